// Push buttons and check boxes.
#pragma once

#include <functional>

#include "ui/widgets/control.h"

namespace sc {

class Button : public Control {
 public:
  using Control::Control;
  std::function<void()> onClick;

  // A user's click: ignored while the button is disabled or hidden.
  void click();
};

class CheckBox : public Control {
 public:
  using Control::Control;
  std::function<void()> onClick;

  bool checked() const { return checked_; }
  // A change made from code runs the click handler, as a user's click does.
  void setChecked(bool checked);
  // A user's click toggles the box; ignored while disabled or hidden.
  void click();

 private:
  bool checked_ = false;
};

}  // namespace sc
