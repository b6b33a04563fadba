// The session through kernel32 and user32. The shutdown reasons came with
// Windows Vista: they are looked up when first needed, so that the program
// imports nothing Windows XP lacks.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Session final : public Session {
 public:
  bool keepAwake(bool on) override;
  bool giveShutdownReason(WindowHandle window, const char* reason) override;
  void withdrawShutdownReason(WindowHandle window) override;
};

}  // namespace sc::win32
