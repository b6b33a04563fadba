#include "platform/win32/win32_shell.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace sc::win32 {

std::intptr_t Win32Shell::execute(WindowHandle owner, const char* operation, const char* file,
                                  const char* parameters, const char* directory, int showCommand) {
  HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), operation, file, parameters,
                                   directory, showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace sc::win32
