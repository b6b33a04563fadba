// The state every control keeps, whichever backend shows it. A backend attaches
// a peer that mirrors the state into a real window; without one (headless) the
// control is state only. Events fire from here, so both backends behave alike.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace sc {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Items: a list's content replaced as a whole. LineAppended: one line added at
// the end of a memo, and the oldest ones dropped past its bound, so a peer can
// add the one line instead of showing every line again.
enum class Change {
  Text,
  Enabled,
  Visible,
  Bounds,
  Checked,
  Items,
  LineAppended,
  Selection,
  Front,
  Picture
};

class Control;

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void sync(const Control& control, Change what) = 0;
  virtual WindowHandle handle() const = 0;
};

// Arial, 12-pixel characters, regular: the window's font unless styled.
struct Font {
  std::string face = "Arial";
  int height = 12;  // character height in pixels
  bool bold = false;
  bool underline = false;
  bool blue = false;  // blue text instead of the window-text colour

  Font bolded() const {
    Font f = *this;
    f.bold = true;
    return f;
  }
  // A link's look: underlined and blue.
  Font asLink() const {
    Font f = *this;
    f.underline = true;
    f.blue = true;
    return f;
  }
};

class Control {
 public:
  Control(std::string name, std::string text, Rect bounds);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  const std::string& text() const { return text_; }
  virtual void setText(const std::string& text);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);

  const Rect& bounds() const { return bounds_; }
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  int right() const { return bounds_.left + bounds_.width; }
  int bottom() const { return bounds_.top + bounds_.height; }
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void setBounds(const Rect& bounds);

  // -1: not a tab stop.
  int tabOrder() const { return tabOrder_; }
  void setTabOrder(int order) { tabOrder_ = order; }

  // A font of the control's own, or null for the window's font.
  const Font* font() const { return font_ ? &*font_ : nullptr; }
  void setOwnFont(const Font& font) { font_ = font; }

  void attachPeer(ControlPeer* peer);
  ControlPeer* peer() const { return peer_; }

 protected:
  void changed(Change what);
  // A control takes user input only while it is enabled and shown.
  bool acceptsInput() const { return enabled_ && visible_; }

 private:
  std::string name_;
  std::string text_;
  Rect bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  int tabOrder_ = -1;
  std::optional<Font> font_;
  ControlPeer* peer_ = nullptr;
};

}  // namespace sc
