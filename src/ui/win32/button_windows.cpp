#include "ui/win32/button_windows.h"

#include <windows.h>

namespace sc {

ButtonWindow::ButtonWindow(Button& button, const ChildSetup& setup)
    : ChildWindow(button), button_(button) {
  create("BUTTON", BS_PUSHBUTTON, 0, setup);
}

void ButtonWindow::command(unsigned code) {
  if (code == BN_CLICKED) button_.click();
}

CheckBoxWindow::CheckBoxWindow(CheckBox& box, const ChildSetup& setup)
    : ChildWindow(box), box_(box) {
  create("BUTTON", BS_CHECKBOX, 0, setup);
  syncOwn(Change::Checked);
}

void CheckBoxWindow::command(unsigned code) {
  if (code == BN_CLICKED) box_.click();
}

void CheckBoxWindow::syncOwn(Change what) {
  if (what == Change::Checked) send(BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace sc
