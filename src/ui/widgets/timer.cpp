#include "ui/widgets/timer.h"

#include <utility>

namespace sc {

Timer::Timer(std::string name, unsigned intervalMs, TimerService& service)
    : name_(std::move(name)), interval_(intervalMs), service_(service) {}

Timer::~Timer() {
  if (enabled_) service_.stop(*this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (enabled)
    service_.start(*this);
  else
    service_.stop(*this);
}

void Timer::fire() {
  if (enabled_ && onTimer) onTimer();
}

}  // namespace sc
