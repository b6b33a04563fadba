#include "platform/win32/win32_session.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/win32_function_lookup.h"

namespace sc::win32 {

namespace {

// XP's headers do not name them.
constexpr DWORD kContinuous = 0x80000000u;      // ES_CONTINUOUS
constexpr DWORD kSystemRequired = 0x00000001u;  // ES_SYSTEM_REQUIRED

using BlockReasonCreate = BOOL(WINAPI*)(HWND, LPCWSTR);
using BlockReasonDestroy = BOOL(WINAPI*)(HWND);

// A user32 function, or null where this Windows lacks it. user32 is loaded
// already: the program's windows need it.
template <typename Function>
Function User32Function(const char* name) {
  return FunctionIn<Function>(GetModuleHandleA("user32.dll"), name);
}

}  // namespace

bool Win32Session::keepAwake(bool on) {
  const DWORD before = SetThreadExecutionState(on ? kContinuous | kSystemRequired : kContinuous);
  return (before & kContinuous) != 0 && (before & kSystemRequired) != 0;
}

bool Win32Session::giveShutdownReason(WindowHandle window, const char* reason) {
  const auto create = User32Function<BlockReasonCreate>("ShutdownBlockReasonCreate");
  if (create == nullptr || reason == nullptr) return false;
  // The reason is the program's own text, in plain ASCII: widened byte by byte.
  const std::wstring wide(reason, reason + std::strlen(reason));
  return create(reinterpret_cast<HWND>(window), wide.c_str()) != FALSE;
}

void Win32Session::withdrawShutdownReason(WindowHandle window) {
  const auto destroy = User32Function<BlockReasonDestroy>("ShutdownBlockReasonDestroy");
  if (destroy != nullptr) destroy(reinterpret_cast<HWND>(window));
}

}  // namespace sc::win32
