// Timers of the window thread over SetTimer/KillTimer on the main window, one
// timer id per Timer object. A timer started before the window exists is
// remembered and set when the window is bound.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/platform.h"
#include "ui/widgets/timer.h"

namespace sc {

class Win32Timers : public TimerService {
 public:
  void start(Timer& timer) override;
  void stop(Timer& timer) override;

  void bindWindow(WindowHandle window);
  void unbindWindow() { window_ = 0; }
  // The running timer behind WM_TIMER's id, or null.
  Timer* running(std::uintptr_t id) const;

 private:
  std::uintptr_t idOf(Timer& timer);
  void set(Timer& timer);

  std::vector<Timer*> byId_;  // id - 1 -> timer
  std::set<Timer*> running_;
  WindowHandle window_ = 0;
};

}  // namespace sc
