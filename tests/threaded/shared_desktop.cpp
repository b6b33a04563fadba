#include "threaded/shared_desktop.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace sc::testing {

WindowHandle SharedDesktop::openWindow(const char* className, const char* title) {
  const std::size_t index = take(0, className, title, true, 0);
  slots_[index].open.store(true, kRelaxed);
  return handleOf(index);
}

SharedDesktop::OpenedDialog SharedDesktop::openDialog(const char* className,
                                                      const std::vector<ControlSpec>& controls) {
  if (controls.size() > kMaxControls) throw std::length_error("too many controls");
  OpenedDialog dialog;
  const std::size_t window = take(0, className, "", true, 0);
  dialog.window = handleOf(window);
  std::size_t opened[kMaxControls] = {};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlSpec& control = controls[i];
    opened[i] = take(dialog.window, control.className, "", control.visible, control.left);
    dialog.controls[i] = handleOf(opened[i]);
  }
  for (std::size_t i = 0; i < controls.size(); ++i) slots_[opened[i]].open.store(true, kRelaxed);
  slots_[window].open.store(true, kRelaxed);
  return dialog;
}

void SharedDesktop::closeWindow(WindowHandle window) {
  Slot* slot = openSlot(window);
  if (slot == nullptr) return;
  slot->open.store(false, kRelaxed);
  for (Slot& child : slots_)
    if (child.parent.load(kRelaxed) == window) child.open.store(false, kRelaxed);
}

int SharedDesktop::clicks(WindowHandle button) const {
  const Slot* slot = anySlot(button);
  return slot != nullptr ? slot->clicks.load(kRelaxed) : 0;
}

int SharedDesktop::mouseDowns(WindowHandle button) const {
  const Slot* slot = anySlot(button);
  return slot != nullptr ? slot->mouseDowns.load(kRelaxed) : 0;
}

WindowHandle SharedDesktop::findWindowByTitle(const char* title) {
  for (std::size_t i = 0; i < kSlots; ++i) {
    const Slot& slot = slots_[i];
    if (slot.open.load(kRelaxed) && slot.parent.load(kRelaxed) == 0 &&
        std::strcmp(slot.title.load(kRelaxed), title) == 0)
      return handleOf(i);
  }
  return 0;
}

WindowHandle SharedDesktop::firstWindow(WindowHandle) { return following(0, kSlots); }

// A window that has gone has no next one: the walk ends, as GetWindow's does.
WindowHandle SharedDesktop::nextWindow(WindowHandle window) {
  if (openSlot(window) == nullptr) return 0;
  return following(0, (window - handleOf(0)) / 4);
}

void SharedDesktop::className(WindowHandle window, FixedText<256>& name) {
  name.fill(0);
  if (const Slot* slot = openSlot(window)) {
    const char* text = slot->className.load(kRelaxed);
    std::memcpy(name.data(), text, std::min<std::size_t>(std::strlen(text), name.size() - 1));
  }
}

WindowHandle SharedDesktop::nextChild(WindowHandle parent, WindowHandle after) {
  if (after == 0) return following(parent, kSlots);
  if (openSlot(after) == nullptr) return 0;
  return following(parent, (after - handleOf(0)) / 4);
}

bool SharedDesktop::isVisible(WindowHandle window) {
  const Slot* slot = openSlot(window);
  if (slot == nullptr || !slot->visible.load(kRelaxed)) return false;
  const WindowHandle parent = slot->parent.load(kRelaxed);
  return parent == 0 || isVisible(parent);
}

bool SharedDesktop::windowLeft(WindowHandle window, int* left) {
  const Slot* slot = openSlot(window);
  if (slot == nullptr) return false;
  *left = slot->left.load(kRelaxed);
  return true;
}

void SharedDesktop::sendMouseDown(WindowHandle window, std::uintptr_t, std::intptr_t) {
  if (Slot* slot = openSlot(window)) {
    slot->mouseDowns.fetch_add(1, kRelaxed);
    slot->pressed.store(true, kRelaxed);
  }
}

void SharedDesktop::sendMouseUp(WindowHandle window, std::uintptr_t, std::intptr_t) {
  if (Slot* slot = openSlot(window))
    if (slot->pressed.exchange(false, kRelaxed)) slot->clicks.fetch_add(1, kRelaxed);
}

void SharedDesktop::postWake(WindowHandle window) {
  if (window != 0 && window == mainWindow_.load(kRelaxed)) wakes_.fetch_add(1, kRelaxed);
}

SharedDesktop::Slot* SharedDesktop::openSlot(WindowHandle window) {
  Slot* slot = const_cast<Slot*>(anySlot(window));
  return slot != nullptr && slot->open.load(kRelaxed) ? slot : nullptr;
}

const SharedDesktop::Slot* SharedDesktop::anySlot(WindowHandle window) const {
  if (window < handleOf(0) || (window - handleOf(0)) % 4 != 0) return nullptr;
  const std::size_t index = (window - handleOf(0)) / 4;
  return index < kSlots ? &slots_[index] : nullptr;
}

WindowHandle SharedDesktop::following(WindowHandle parent, std::size_t index) const {
  for (std::size_t i = index == kSlots ? 0 : index + 1; i < kSlots; ++i) {
    const Slot& slot = slots_[i];
    if (slot.open.load(kRelaxed) && slot.parent.load(kRelaxed) == parent) return handleOf(i);
  }
  return 0;
}

std::size_t SharedDesktop::take(WindowHandle parent, const char* className, const char* title,
                                bool visible, int left) {
  for (std::size_t tried = 0; tried < kSlots; ++tried) {
    const std::size_t index = nextFree_;
    nextFree_ = (nextFree_ + 1) % kSlots;
    Slot& slot = slots_[index];
    if (slot.open.load(kRelaxed)) continue;
    slot.parent.store(parent, kRelaxed);
    slot.className.store(className, kRelaxed);
    slot.title.store(title, kRelaxed);
    slot.visible.store(visible, kRelaxed);
    slot.left.store(left, kRelaxed);
    slot.pressed.store(false, kRelaxed);
    slot.mouseDowns.store(0, kRelaxed);
    slot.clicks.store(0, kRelaxed);
    return index;
  }
  throw std::length_error("the desktop is full");
}

}  // namespace sc::testing
