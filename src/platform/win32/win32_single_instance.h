// The claim on "one copy per session" through kernel32: a named mutex in the
// session's namespace, and the sign for setups, one in the global namespace.
// The handles made here are never closed; the system closes them when the
// process ends, and with the last one the name is free again.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32SingleInstance final : public SingleInstance {
 public:
  long claim(const char* name) override;
  bool signalRunning(const char* name) override;
};

}  // namespace sc::win32
