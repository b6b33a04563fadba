#include "platform/sim/sim_taskbar.h"

namespace sc::sim {

bool SimTaskbar::setProgress(WindowHandle window, TaskbarProgress progress) {
  if (!available_ || window == 0) return false;
  progress_[window] = progress;
  return true;
}

bool SimTaskbar::setTooltip(WindowHandle window, const char* text) {
  if (!available_ || window == 0 || text == nullptr) return false;
  tooltips_[window] = text;
  return true;
}

TaskbarProgress SimTaskbar::progress(WindowHandle window) const {
  const auto found = progress_.find(window);
  return found == progress_.end() ? TaskbarProgress::None : found->second;
}

std::string SimTaskbar::tooltip(WindowHandle window) const {
  const auto found = tooltips_.find(window);
  return found == tooltips_.end() ? "" : found->second;
}

}  // namespace sc::sim
