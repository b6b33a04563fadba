// A dwmapi.dll planted beside the program, as one could be in a Downloads
// folder: it exports nothing, and only leaves "<its own path>.loaded" behind
// when a process loads it.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char marker[MAX_PATH + 8] = {};
  GetModuleFileNameA(instance, marker, MAX_PATH);
  lstrcatA(marker, ".loaded");
  HANDLE file =
      CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
