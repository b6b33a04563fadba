// Other programs' windows through user32. No state, no allocation, no lock:
// the dialog responder calls these from its own thread, which may be
// terminated anywhere.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Desktop final : public Desktop {
 public:
  WindowHandle findWindowByTitle(const char* title) override;
  bool sendClose(WindowHandle window, std::uint32_t waitMs) override;

  WindowHandle firstWindow(WindowHandle window) override;
  WindowHandle nextWindow(WindowHandle window) override;
  void className(WindowHandle window, FixedText<256>& name) override;
  WindowHandle nextChild(WindowHandle parent, WindowHandle after) override;
  bool isVisible(WindowHandle window) override;
  bool windowLeft(WindowHandle window, int* left) override;
  void setForeground(WindowHandle window) override;
  void bringToFront(WindowHandle window) override;
  void sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void postWake(WindowHandle window) override;
};

}  // namespace sc::win32
