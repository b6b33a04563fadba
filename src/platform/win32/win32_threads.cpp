#include "platform/win32/win32_threads.h"

#include <windows.h>

namespace sc::win32 {
namespace {

// Load-bearing: a Routine is a plain cdecl function, while CreateThread calls
// its start routine as WINAPI (stdcall) on 32-bit Windows. Calling one as the
// other corrupts the stack, so every thread starts here. The record is only
// read: the thread frees nothing, so terminating it anywhere cannot leave the
// heap's lock taken.
DWORD WINAPI startThread(LPVOID parameter) {
  const auto& start = *static_cast<const Win32Threads::StartRecord*>(parameter);
  return start.routine(start.argument);
}

HANDLE toHandle(ThreadHandle thread) { return reinterpret_cast<HANDLE>(thread); }

}  // namespace

Win32Threads::~Win32Threads() {
  for (ThreadHandle thread : created_) CloseHandle(toHandle(thread));
}

ThreadHandle Win32Threads::create(Routine routine, void* argument) {
  starts_.push_back(StartRecord{routine, argument});
  HANDLE thread = CreateThread(nullptr, 0, startThread, &starts_.back(), 0, nullptr);
  if (thread == nullptr) {
    starts_.pop_back();
    return 0;
  }
  created_.push_back(reinterpret_cast<ThreadHandle>(thread));
  return reinterpret_cast<ThreadHandle>(thread);
}

bool Win32Threads::exitCode(ThreadHandle thread, std::uint32_t* code) {
  DWORD value = 0;
  if (!GetExitCodeThread(toHandle(thread), &value)) return false;
  *code = value;
  return true;
}

bool Win32Threads::terminate(ThreadHandle thread, std::uint32_t code) {
  return TerminateThread(toHandle(thread), code) != FALSE;
}

void Win32Threads::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace sc::win32
