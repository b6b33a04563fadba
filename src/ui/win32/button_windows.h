// Push buttons and check boxes: BUTTON controls whose clicks go back to the
// portable control. The check box is not an automatic one: the portable state
// decides whether it is checked, and the window only shows it.
#pragma once

#include "ui/widgets/button.h"
#include "ui/win32/child_window.h"

namespace sc {

class ButtonWindow : public ChildWindow {
 public:
  ButtonWindow(Button& button, const ChildSetup& setup);
  void command(unsigned code) override;

 private:
  Button& button_;
};

class CheckBoxWindow : public ChildWindow {
 public:
  CheckBoxWindow(CheckBox& box, const ChildSetup& setup);
  void command(unsigned code) override;

 protected:
  void syncOwn(Change what) override;

 private:
  CheckBox& box_;
};

}  // namespace sc
