// Other programs' top-level windows through user32.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Desktop final : public Desktop {
 public:
  WindowHandle findWindowByTitle(const char* title) override;
  void sendClose(WindowHandle window) override;
};

}  // namespace sc::win32
