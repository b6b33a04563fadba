#include "ui/win32/win32_message_boxes.h"

#include <windows.h>

namespace sc {

void Win32MessageBoxes::showError(const std::string& title, const std::string& text) {
  MessageBoxA(reinterpret_cast<HWND>(mainWindow_.load()), text.c_str(), title.c_str(),
              MB_OK | MB_ICONERROR);
}

void Win32MessageBoxes::showMessage(WindowHandle owner, const std::string& title,
                                    const std::string& text) {
  MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), title.c_str(), MB_OK);
}

}  // namespace sc
