// The session as the simulated Windows keeps it: whether the PC is kept
// awake, every change asked for, and the shutdown reasons windows have given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sc::sim {

class SimSession final : public Session {
 public:
  bool keepAwake(bool on) override;
  bool giveShutdownReason(WindowHandle window, const char* reason) override;
  void withdrawShutdownReason(WindowHandle window) override;

  bool awake() const { return awake_; }
  // Every keepAwake() call, in order.
  const std::vector<bool>& awakeCalls() const { return awakeCalls_; }
  // The reason `window` gives, "" when none.
  std::string reason(WindowHandle window) const;
  // Every give and withdraw, as "give <reason>" and "withdraw", in order.
  const std::vector<std::string>& reasonCalls() const { return reasonCalls_; }
  // Windows XP has no shutdown reasons: every give fails.
  void setReasonsSupported(bool supported) { reasonsSupported_ = supported; }

 private:
  bool awake_ = false;
  std::vector<bool> awakeCalls_;
  std::map<WindowHandle, std::string> reasons_;
  std::vector<std::string> reasonCalls_;
  bool reasonsSupported_ = true;
};

}  // namespace sc::sim
