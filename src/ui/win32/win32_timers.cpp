#include "ui/win32/win32_timers.h"

#include <windows.h>

#include <algorithm>

namespace sc {

std::uintptr_t Win32Timers::idOf(Timer& timer) {
  auto found = std::find(byId_.begin(), byId_.end(), &timer);
  if (found == byId_.end()) found = byId_.insert(byId_.end(), &timer);
  // Timer ids start at 1: SetTimer with id 0 on a window is legal but easily
  // confused with "no timer".
  return static_cast<std::uintptr_t>(found - byId_.begin()) + 1;
}

void Win32Timers::set(Timer& timer) {
  SetTimer(reinterpret_cast<HWND>(window_), idOf(timer), timer.interval(), nullptr);
}

void Win32Timers::start(Timer& timer) {
  running_.insert(&timer);
  if (window_ != 0) set(timer);
}

void Win32Timers::stop(Timer& timer) {
  running_.erase(&timer);
  // KillTimer also drops a WM_TIMER of this id that is already queued.
  if (window_ != 0) KillTimer(reinterpret_cast<HWND>(window_), idOf(timer));
}

void Win32Timers::bindWindow(WindowHandle window) {
  window_ = window;
  for (Timer* timer : running_) set(*timer);
}

Timer* Win32Timers::running(std::uintptr_t id) const {
  if (id == 0 || id > byId_.size()) return nullptr;
  Timer* timer = byId_[id - 1];
  return running_.count(timer) != 0 ? timer : nullptr;
}

}  // namespace sc
