// Virtual time for headless tests: advancing the clock fires the due timers in
// deadline order (ties in start order); nothing sleeps for real.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/widgets/timer.h"

namespace sc {

class VirtualClock : public TimerService {
 public:
  void start(Timer& timer) override;
  void stop(Timer& timer) override;

  std::uint64_t now() const { return now_; }
  void advance(std::uint64_t milliseconds);
  // Milliseconds until `timer` fires, or -1 when it is not running.
  std::int64_t remaining(const Timer& timer) const;

 private:
  struct Pending {
    Timer* timer;
    std::uint64_t due;
    std::uint64_t sequence;
  };
  std::vector<Pending> pending_;
  std::uint64_t now_ = 0;
  std::uint64_t sequence_ = 0;
};

}  // namespace sc
