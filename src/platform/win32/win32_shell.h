// Starting programs and documents through shell32.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Shell final : public Shell {
 public:
  std::intptr_t execute(WindowHandle owner, const char* operation, const char* file,
                        const char* parameters, const char* directory, int showCommand) override;
};

}  // namespace sc::win32
