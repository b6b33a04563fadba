// Timers of the window thread. An enabled timer fires every interval until it
// is disabled; the main window's handlers disable their own timer first and so
// use each as a one-shot. Time is a port: the real backend uses SetTimer,
// tests a virtual clock.
#pragma once

#include <functional>
#include <string>

namespace sc {

class Timer;

class TimerService {
 public:
  virtual ~TimerService() = default;
  virtual void start(Timer& timer) = 0;
  virtual void stop(Timer& timer) = 0;
};

class Timer {
 public:
  Timer(std::string name, unsigned intervalMs, TimerService& service);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  std::function<void()> onTimer;

  const std::string& name() const { return name_; }
  unsigned interval() const { return interval_; }
  // From the next start on; a running timer keeps its pending tick.
  void setInterval(unsigned intervalMs) { interval_ = intervalMs; }
  bool enabled() const { return enabled_; }
  // Enabling an enabled timer changes nothing: its pending tick stays.
  void setEnabled(bool enabled);
  // Called by the service when the interval has run out.
  void fire();

 private:
  std::string name_;
  unsigned interval_;
  TimerService& service_;
  bool enabled_ = false;
};

}  // namespace sc
