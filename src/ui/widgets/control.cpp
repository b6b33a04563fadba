#include "ui/widgets/control.h"

#include <utility>

namespace sc {

Control::Control(std::string name, std::string text, Rect bounds)
    : name_(std::move(name)), text_(std::move(text)), bounds_(bounds) {}

// A text or size set again unchanged reaches no peer: a real window would
// repaint itself, and its neighbours, for nothing.
void Control::setText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  changed(Change::Text);
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed(Change::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  changed(Change::Visible);
}

void Control::setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
void Control::setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
void Control::setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
void Control::setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

void Control::setBounds(const Rect& bounds) {
  if (bounds_.left == bounds.left && bounds_.top == bounds.top && bounds_.width == bounds.width &&
      bounds_.height == bounds.height) {
    return;
  }
  bounds_ = bounds;
  changed(Change::Bounds);
}

void Control::attachPeer(ControlPeer* peer) { peer_ = peer; }

void Control::changed(Change what) {
  if (peer_) peer_->sync(*this, what);
}

}  // namespace sc
