// System facts from kernel32 and user32.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32SystemInfo final : public SystemInfo {
 public:
  bool getVersion(std::uint32_t recordSize, std::uint32_t* major) override;
  std::string modulePath() override;
  std::string commandLine() override;
  int fullScreenWidth() override;
  void localTime(FixedText<64>& text) override;
  void clockTime(FixedText<64>& text) override;
};

}  // namespace sc::win32
