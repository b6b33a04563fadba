// A function looked up by name at run time, for what not every Windows the
// program runs on exports: never in the import table, so the program still
// starts on Windows XP. Included by the backend's own sources only: it pulls
// in <windows.h>.
#pragma once

#include <windows.h>

namespace sc::win32 {

// `name` in `module`, typed; null when the module is missing or lacks it. The
// detour through void (*)() is how a looked-up address becomes a typed one
// without a cast warning.
template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
  FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace sc::win32
