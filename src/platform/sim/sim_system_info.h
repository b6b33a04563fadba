// System facts a test chooses. The defaults are what Wine reports here: major
// version 6 and a 1024-pixel wide screen.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

class SimSystemInfo final : public SystemInfo {
 public:
  bool getVersion(std::uint32_t recordSize, std::uint32_t* major) override;
  std::string modulePath() override;
  std::string commandLine() override { return commandLine_; }
  int fullScreenWidth() override { return fullScreenWidth_; }
  void localTime(FixedText<64>& text) override { AssignCut(text, localTime_); }
  // The local time after the date.
  void clockTime(FixedText<64>& text) override {
    AssignCut(text, localTime_.substr(localTime_.find(' ') + 1));
  }

  void setMajorVersion(std::uint32_t major) { major_ = major; }
  void setModulePath(std::string path) { modulePath_ = std::move(path); }
  void setCommandLine(std::string line) { commandLine_ = std::move(line); }
  void setLocalTime(std::string text) { localTime_ = std::move(text); }

  // Operation getVersion; subject: the record size, "156" or "148", so
  // either record can be refused on its own.
  FailurePlan& failures() { return failures_; }

 private:
  std::uint32_t major_ = 6;
  std::string modulePath_ = "C:\\Program Files\\Spoolcat\\spoolcat.exe";
  std::string commandLine_ = "\"C:\\Program Files\\Spoolcat\\spoolcat.exe\"";
  int fullScreenWidth_ = 1024;
  std::string localTime_ = "08/12/2026 22:14";
  FailurePlan failures_;
};

}  // namespace sc::sim
