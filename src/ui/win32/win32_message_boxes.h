// The modal boxes over MessageBoxA. Their nested message loop keeps the main
// window receiving WM_COPYDATA and WM_TIMER while a box is up, as the
// program's notice handling relies on.
#pragma once

#include <atomic>

#include "ui/widgets/ui_backend.h"

namespace sc {

class Win32MessageBoxes : public MessageBoxes {
 public:
  // `mainWindow` holds the main window's handle, 0 while there is none.
  explicit Win32MessageBoxes(const std::atomic<WindowHandle>& mainWindow)
      : mainWindow_(mainWindow) {}
  void showError(const std::string& title, const std::string& text) override;
  void showMessage(WindowHandle owner, const std::string& title, const std::string& text) override;

 private:
  const std::atomic<WindowHandle>& mainWindow_;
};

}  // namespace sc
