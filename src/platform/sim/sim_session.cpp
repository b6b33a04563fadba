#include "platform/sim/sim_session.h"

namespace sc::sim {

bool SimSession::keepAwake(bool on) {
  awakeCalls_.push_back(on);
  const bool before = awake_;
  awake_ = on;
  return before;
}

bool SimSession::giveShutdownReason(WindowHandle window, const char* reason) {
  reasonCalls_.push_back(std::string("give ") + (reason != nullptr ? reason : ""));
  if (!reasonsSupported_ || window == 0 || reason == nullptr) return false;
  reasons_[window] = reason;
  return true;
}

void SimSession::withdrawShutdownReason(WindowHandle window) {
  reasonCalls_.push_back("withdraw");
  reasons_.erase(window);
}

std::string SimSession::reason(WindowHandle window) const {
  const auto found = reasons_.find(window);
  return found == reasons_.end() ? "" : found->second;
}

}  // namespace sc::sim
