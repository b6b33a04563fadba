#include "platform/win32/win32_single_instance.h"

#include <windows.h>

#include <string>

namespace sc::win32 {

long Win32SingleInstance::claim(const char* name) {
  // Local\ is the logged-on user's session: another user's copy, in their own
  // session, is no reason not to run.
  const std::string full = std::string("Local\\") + (name != nullptr ? name : "");
  HANDLE mutex = CreateMutexA(nullptr, FALSE, full.c_str());
  // Read at once: CloseHandle may change it.
  const DWORD error = GetLastError();
  if (mutex == nullptr) {
    // A failure must never read as a claim made.
    return static_cast<long>(error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE);
  }
  if (error == ERROR_ALREADY_EXISTS) {
    // Someone else holds the name; this copy has no use for a handle on it.
    CloseHandle(mutex);
    return kErrorAlreadyExists;
  }
  return kErrorSuccess;
}

bool Win32SingleInstance::signalRunning(const char* name) {
  if (name == nullptr || *name == 0) return false;
  const std::string full = std::string("Global\\") + name;
  // Kept open until the process ends: the handle is the sign. Another copy's
  // mutex of the name is as good as one made here.
  return CreateMutexA(nullptr, FALSE, full.c_str()) != nullptr;
}

}  // namespace sc::win32
