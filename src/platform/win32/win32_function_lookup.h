// A function looked up by name at run time, for what not every Windows the
// program runs on exports: never in the import table, so the program still
// starts on Windows XP. And the libraries it is looked up in, each loaded
// from the system folder. Included by the backend's own sources only: it
// pulls in <windows.h>.
#pragma once

#include <windows.h>

#include <cwchar>

namespace sc::win32 {

// Spelled out: XP's headers lack it. LoadLibraryEx's flag for the system
// folder alone (Windows 8, and 7 and Vista with the update that added it).
constexpr DWORD kSearchSystemFolderOnly = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// `name` in `module`, typed; null when the module is missing or lacks it. The
// detour through void (*)() is how a looked-up address becomes a typed one
// without a cast warning.
template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
  FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// Whether LoadLibraryEx takes kSearchSystemFolderOnly: the documented test
// is whether kernel32 exports AddDllDirectory, which came with it.
inline bool SearchFlagsWork() {
  static const bool work =
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
  return work;
}

// `name`, a library of Windows such as L"dwmapi.dll", loaded by its full path
// in the system folder; null when the system lacks it. Never by name alone: a
// library that is not one of Windows' KnownDLLs is looked for in the
// program's own folder first, where anyone who unpacked the portable copy
// may have put one of that name. The libraries it loads in turn come from
// the system folder alone where the system can; elsewhere its own folder,
// the system folder, is looked in before the program's. A 32-bit program on
// 64-bit Windows is shown the 32-bit system folder under the same path.
inline HMODULE SystemLibrary(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  const size_t length = std::wcslen(name);
  if (folder == 0 || folder + 1 + length >= MAX_PATH) return nullptr;
  path[folder] = L'\\';
  std::wmemcpy(path + folder + 1, name, length + 1);
  return LoadLibraryExW(
      path, nullptr, SearchFlagsWork() ? kSearchSystemFolderOnly : LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace sc::win32
