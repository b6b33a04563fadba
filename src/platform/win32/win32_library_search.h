// Where Windows looks for the libraries loaded by name alone in this
// process, above all those that Windows' own libraries load. This header
// does not pull in <windows.h>.
#pragma once

namespace sc::win32 {

// Takes the current folder out of the search, and where the system can
// (Windows 8, and 7 and Vista with the update that added it) every folder
// but the system folder, the program's own among them. Called first thing,
// before any window: the Common Controls manifest brings the themes library
// with the first window, and other libraries follow it by name. On XP the
// program's own folder stays in the search; nothing there can take it out.
void KeepLibrarySearchInSystemFolder();

}  // namespace sc::win32
