// The taskbar as the simulated Windows keeps it: what each window's button
// shows, every flash, and whether the program is in front.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sc::sim {

class SimTaskbar final : public Taskbar {
 public:
  bool setProgress(WindowHandle window, TaskbarProgress progress) override;
  bool setTooltip(WindowHandle window, const char* text) override;
  void flash(WindowHandle window) override { flashes_.push_back(window); }
  bool programInForeground() override { return inForeground_; }

  // What the button of `window` shows: None and "" before any call.
  TaskbarProgress progress(WindowHandle window) const;
  std::string tooltip(WindowHandle window) const;
  // Every flash, in order.
  const std::vector<WindowHandle>& flashes() const { return flashes_; }

  // Windows XP and Vista have no such button: every state and tooltip fails.
  void setAvailable(bool available) { available_ = available; }
  void setProgramInForeground(bool inForeground) { inForeground_ = inForeground; }
  // Explorer started again: every button is new and shows nothing.
  void makeButtonsAnew() {
    progress_.clear();
    tooltips_.clear();
  }

 private:
  std::map<WindowHandle, TaskbarProgress> progress_;
  std::map<WindowHandle, std::string> tooltips_;
  std::vector<WindowHandle> flashes_;
  bool available_ = true;
  bool inForeground_ = true;
};

}  // namespace sc::sim
