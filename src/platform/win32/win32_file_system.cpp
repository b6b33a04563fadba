#include "platform/win32/win32_file_system.h"

#include <windows.h>

namespace sc::win32 {

bool Win32FileSystem::findFirst(const char* path, std::uint32_t* attributes) {
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  *attributes = found.dwFileAttributes;
  return true;
}

bool Win32FileSystem::attributes(const char* path, std::uint32_t* attributes) {
  const DWORD value = GetFileAttributesA(path);
  if (value == INVALID_FILE_ATTRIBUTES) return false;
  *attributes = value;
  return true;
}

std::uint32_t Win32FileSystem::driveType(const char* rootPath) { return GetDriveTypeA(rootPath); }

}  // namespace sc::win32
