#include "platform/win32/win32_library_search.h"

#include <windows.h>

#include "platform/win32/win32_function_lookup.h"

namespace sc::win32 {

void KeepLibrarySearchInSystemFolder() {
  using SetDefaultDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDirectories = FunctionIn<SetDefaultDirectoriesFunction>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefaultDirectories != nullptr) setDefaultDirectories(kSearchSystemFolderOnly);
  // Everywhere (XP SP1 and later): where the line above did nothing, this is
  // what keeps a library planted in the current folder, often the folder of
  // a document just opened, from being loaded.
  SetDllDirectoryW(L"");
}

}  // namespace sc::win32
