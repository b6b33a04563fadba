#include "ui/win32/label_window.h"

#include <windows.h>

namespace sc {

LabelWindow::LabelWindow(Label& label, const ChildSetup& setup, bool highlight)
    : ChildWindow(label), label_(label), highlight_(highlight) {
  // No word wrap: the label is sized to its text by the same GDI measure, and
  // a wrapped last word would vanish below the label's one line.
  create("STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0, setup);
}

void LabelWindow::command(unsigned code) {
  if (code == STN_CLICKED) label_.click();
}

bool LabelWindow::colours(std::uintptr_t dc, std::intptr_t* brush) {
  HDC hdc = reinterpret_cast<HDC>(dc);
  const int background = highlight_ ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
  SetTextColor(hdc, font().blue ? RGB(0, 0, 255) : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(background));
  SetBkMode(hdc, OPAQUE);
  *brush = reinterpret_cast<std::intptr_t>(GetSysColorBrush(background));
  return true;
}

void LabelWindow::mouseMove() {
  if (label_.onMouseMove) label_.onMouseMove();
}

}  // namespace sc
