#include "platform/sim/sim_desktop.h"

#include <algorithm>

#include "platform/sim/nocase.h"

namespace sc::sim {

WindowHandle SimDesktop::findWindowByTitle(const char* title) {
  if (title == nullptr || failures_.check("findWindow", title)) return 0;
  // The whole title must match, without regard to case, as FindWindowA
  // does; of several, the one highest in the Z order. Children are not looked at.
  for (WindowHandle window : siblings(0)) {
    if (equalsNoCase(find(window)->title, title)) return window;
  }
  return 0;
}

bool SimDesktop::sendClose(WindowHandle window, std::uint32_t waitMs) {
  closeRequests_.push_back(window);
  closeWaits_.push_back(waitMs);
  if (closeHook_) closeHook_(window);
  if (failures_.check("sendClose")) return false;
  const Window* target = find(window);
  if (target == nullptr || target->onClose == OnClose::Hangs) return false;
  if (target->onClose == OnClose::Closes) removeWindow(window);
  return true;
}

WindowHandle SimDesktop::firstWindow(WindowHandle window) {
  const Window* w = find(window);
  if (w == nullptr || fails("firstWindow", window)) return 0;
  // For a child this is its first sibling, as GW_HWNDFIRST answers.
  return siblings(w->parent).front();
}

WindowHandle SimDesktop::nextWindow(WindowHandle window) {
  // A window removed during a walk ends it, as a destroyed HWND does.
  const Window* w = find(window);
  if (w == nullptr || fails("nextWindow", window)) return 0;
  return after(w->parent, window);
}

void SimDesktop::className(WindowHandle window, FixedText<256>& name) {
  const Window* w = find(window);
  if (w == nullptr || fails("className", window)) {
    name[0] = 0;
    return;
  }
  AssignCut(name, w->className);
}

WindowHandle SimDesktop::nextChild(WindowHandle parent, WindowHandle after) {
  // Parent 0 is the desktop: its children are the top-level windows.
  if (parent != 0 && find(parent) == nullptr) return 0;
  if (fails("nextChild", parent)) return 0;
  if (after == 0) {
    const std::vector<WindowHandle> children = siblings(parent);
    return children.empty() ? 0 : children.front();
  }
  const Window* previous = find(after);
  if (previous == nullptr || previous->parent != parent) return 0;
  return this->after(parent, after);
}

bool SimDesktop::isVisible(WindowHandle window) {
  if (find(window) == nullptr || fails("isVisible", window)) return false;
  for (const Window* w = find(window); w != nullptr; w = find(w->parent)) {
    if (!w->visible) return false;
  }
  return true;
}

bool SimDesktop::windowLeft(WindowHandle window, int* left) {
  const Window* w = find(window);
  if (w == nullptr || fails("windowLeft", window)) return false;
  *left = w->left;
  return true;
}

void SimDesktop::setForeground(WindowHandle window) {
  inputs_.push_back(DesktopInput{DesktopInput::Kind::Foreground, window});
  const Window* w = find(window);
  // Only a top-level window can be the foreground one.
  if (w == nullptr || w->parent != 0 || fails("setForeground", window)) return;
  foreground_ = window;
}

void SimDesktop::bringToFront(WindowHandle window) {
  inputs_.push_back(DesktopInput{DesktopInput::Kind::BringToFront, window});
  Window* w = find(window);
  if (w == nullptr || w->parent != 0 || fails("bringToFront", window)) return;
  w->minimized = false;
  foreground_ = window;
}

void SimDesktop::sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) {
  sendMouse(DesktopInput::Kind::MouseDown, "sendMouseDown", window, wParam, lParam);
}

void SimDesktop::sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) {
  sendMouse(DesktopInput::Kind::MouseUp, "sendMouseUp", window, wParam, lParam);
}

void SimDesktop::sendMouse(DesktopInput::Kind kind, const char* operation, WindowHandle window,
                           std::uintptr_t wParam, std::intptr_t lParam) {
  // The hook gets this copy, not the record's entry: it may send more.
  const DesktopInput input{kind, window, wParam, lParam};
  inputs_.push_back(input);
  if (find(window) == nullptr || fails(operation, window)) return;
  if (mouseHook_) mouseHook_(input);
}

void SimDesktop::postWake(WindowHandle window) { wakes_.push_back(window); }

std::vector<WindowHandle> SimDesktop::takeWakes() {
  std::vector<WindowHandle> taken;
  taken.swap(wakes_);
  return taken;
}

WindowHandle SimDesktop::addTopLevel(const std::string& className, const std::string& title,
                                     OnClose onClose) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 2;
  windows_.push_back(Window{handle, 0, className, title, true, 0, onClose});
  return handle;
}

WindowHandle SimDesktop::addChild(WindowHandle parent, const std::string& className,
                                  const std::string& text, bool visible, int left) {
  if (parent == 0 || find(parent) == nullptr) return 0;
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 2;
  windows_.push_back(Window{handle, parent, className, text, visible, left, OnClose::Closes});
  return handle;
}

void SimDesktop::setVisible(WindowHandle window, bool visible) {
  if (Window* w = find(window)) w->visible = visible;
}

void SimDesktop::setLeft(WindowHandle window, int left) {
  if (Window* w = find(window)) w->left = left;
}

void SimDesktop::removeWindow(WindowHandle window) {
  if (find(window) == nullptr) return;
  for (WindowHandle child : siblings(window)) removeWindow(child);
  windows_.erase(std::find_if(windows_.begin(), windows_.end(),
                              [window](const Window& w) { return w.handle == window; }));
  if (foreground_ == window) foreground_ = 0;
}

void SimDesktop::setMinimized(WindowHandle window, bool minimized) {
  if (Window* w = find(window)) w->minimized = minimized;
}

bool SimDesktop::isMinimized(WindowHandle window) const {
  const Window* w = find(window);
  return w != nullptr && w->minimized;
}

bool SimDesktop::isOpen(WindowHandle window) const { return find(window) != nullptr; }

SimDesktop::Window* SimDesktop::find(WindowHandle window) {
  if (window == 0) return nullptr;
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [window](const Window& w) { return w.handle == window; });
  return it == windows_.end() ? nullptr : &*it;
}

const SimDesktop::Window* SimDesktop::find(WindowHandle window) const {
  return const_cast<SimDesktop*>(this)->find(window);
}

bool SimDesktop::fails(const char* operation, WindowHandle window) {
  const Window* w = find(window);
  return failures_.check(operation, w ? w->title : std::string(),
                         w ? w->className : std::string()) != 0;
}

std::vector<WindowHandle> SimDesktop::siblings(WindowHandle parent) const {
  std::vector<WindowHandle> result;
  for (const Window& w : windows_) {
    if (w.parent == parent) result.push_back(w.handle);
  }
  // A new top-level window goes on top; a new child goes below its siblings.
  if (parent == 0) std::reverse(result.begin(), result.end());
  return result;
}

WindowHandle SimDesktop::after(WindowHandle parent, WindowHandle window) const {
  const std::vector<WindowHandle> list = siblings(parent);
  auto it = std::find(list.begin(), list.end(), window);
  if (it == list.end() || ++it == list.end()) return 0;
  return *it;
}

}  // namespace sc::sim
