#include "ui/headless/virtual_clock.h"

#include <algorithm>

namespace sc {

void VirtualClock::start(Timer& timer) {
  stop(timer);
  pending_.push_back({&timer, now_ + timer.interval(), sequence_++});
}

void VirtualClock::stop(Timer& timer) {
  pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                [&](const Pending& p) { return p.timer == &timer; }),
                 pending_.end());
}

void VirtualClock::advance(std::uint64_t milliseconds) {
  const std::uint64_t end = now_ + milliseconds;
  for (;;) {
    auto next =
        std::min_element(pending_.begin(), pending_.end(), [](const auto& a, const auto& b) {
          return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
        });
    if (next == pending_.end() || next->due > end) break;
    Timer* timer = next->timer;
    // A handler may advance the clock itself (a nested turn while a modal box
    // is open); time never runs back to a tick that is already past.
    now_ = std::max(now_, next->due);
    // A SetTimer timer keeps ticking until it is stopped: re-arm before the
    // handler runs, so a handler that disables its timer leaves it stopped.
    next->due = now_ + timer->interval();
    next->sequence = sequence_++;
    timer->fire();
  }
  now_ = std::max(now_, end);
}

std::int64_t VirtualClock::remaining(const Timer& timer) const {
  for (const auto& p : pending_)
    if (p.timer == &timer) return static_cast<std::int64_t>(p.due - now_);
  return -1;
}

}  // namespace sc
