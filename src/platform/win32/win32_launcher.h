// Starting the user's notify command through kernel32.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Launcher final : public Launcher {
 public:
  std::string expand(const std::string& text) override;
  std::string environment() override;
  std::string profileFolder() override;
  long start(const std::string& commandLine, const std::string& environment,
             const std::string& folder, std::string& errorText) override;
};

}  // namespace sc::win32
