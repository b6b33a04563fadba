#include "ui/win32/combo_box_window.h"

#include <windows.h>

namespace sc {

ComboBoxWindow::ComboBoxWindow(ComboBox& box, const ChildSetup& setup)
    : ChildWindow(box), box_(box) {
  create("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, setup);
  showItems();
}

void ComboBoxWindow::showItems() {
  send(CB_RESETCONTENT, 0, 0);
  for (const std::string& item : box_.items()) {
    send(CB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>(item.c_str()));
  }
  send(CB_SETCURSEL, static_cast<std::uintptr_t>(box_.itemIndex()), 0);
  // Selecting -1 empties the edit part; the portable text stays the truth.
  SetWindowTextA(reinterpret_cast<HWND>(handle()), box_.text().c_str());
}

void ComboBoxWindow::syncOwn(Change what) {
  if (what == Change::Items || what == Change::Selection) showItems();
}

}  // namespace sc
