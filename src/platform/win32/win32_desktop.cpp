#include "platform/win32/win32_desktop.h"

#include <windows.h>

namespace sc::win32 {

WindowHandle Win32Desktop::findWindowByTitle(const char* title) {
  return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title));
}

void Win32Desktop::sendClose(WindowHandle window) {
  SendMessageA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0);
}

}  // namespace sc::win32
