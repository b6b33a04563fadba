#include "platform/sim/sim_desktop.h"

#include <algorithm>

#include "platform/sim/nocase.h"

namespace sc::sim {

WindowHandle SimDesktop::findWindowByTitle(const char* title) {
  if (title == nullptr || failures_.check("findWindow", title)) return 0;
  // The whole title must match, without regard to case, as FindWindowA
  // does; of several, the newest window is on top of the z-order.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (equalsNoCase(it->title, title)) return it->handle;
  }
  return 0;
}

void SimDesktop::sendClose(WindowHandle window) {
  closeRequests_.push_back(window);
  if (closeHook_) closeHook_(window);
  if (failures_.check("sendClose")) return;
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [window](const Window& w) { return w.handle == window; });
  if (it != windows_.end() && it->closesOnClose) windows_.erase(it);
}

WindowHandle SimDesktop::addWindow(const std::string& title, bool closesOnClose) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 2;
  windows_.push_back(Window{handle, title, closesOnClose});
  return handle;
}

void SimDesktop::removeWindow(WindowHandle window) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [window](const Window& w) { return w.handle == window; }),
                 windows_.end());
}

bool SimDesktop::isOpen(WindowHandle window) const {
  return std::any_of(windows_.begin(), windows_.end(),
                     [window](const Window& w) { return w.handle == window; });
}

}  // namespace sc::sim
