// A library of a name no Windows has, built beside the Windows test
// programs: what someone may put in the program's folder.
extern "C" __declspec(dllexport) int PlantedLibrary() { return 1; }
