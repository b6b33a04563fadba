#include "ui/widgets/button.h"

namespace sc {

void Button::click() {
  if (acceptsInput() && onClick) onClick();
}

void CheckBox::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  changed(Change::Checked);
  if (onClick) onClick();
}

void CheckBox::click() {
  if (acceptsInput()) setChecked(!checked_);
}

}  // namespace sc
