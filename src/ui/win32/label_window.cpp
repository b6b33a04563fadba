#include "ui/win32/label_window.h"

#include <windows.h>

namespace sc {

LabelWindow::LabelWindow(Label& label, const ChildSetup& setup, bool highlight)
    : ChildWindow(label), label_(label), highlight_(highlight), placed_(label.bounds()) {
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

// A label on its backdrop that only gets narrower uncovers a strip of the
// backdrop alone: that strip is painted again, and nothing else. Moved the
// usual way, the form under the strip would be asked to paint too, and with
// it the form's paint echo.
void LabelWindow::move() {
  const Rect from = placed_;
  const Rect to = label_.bounds();
  placed_ = to;
  const Control* box = label_.backdrop();
  const bool narrower = to.left == from.left && to.top == from.top && to.height == from.height &&
                        to.width < from.width;
  const bool onTheBox = box != nullptr && box->peer() != nullptr && box->visible() &&
                        from.left >= box->left() && from.top >= box->top() &&
                        from.left + from.width <= box->right() &&
                        from.top + from.height <= box->bottom();
  if (!narrower || !onTheBox) return ChildWindow::move();
  SetWindowPos(reinterpret_cast<HWND>(handle()), nullptr, to.left, to.top, to.width, to.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  const RECT strip = {to.left + to.width - box->left(), to.top - box->top(),
                      from.left + from.width - box->left(), from.top + from.height - box->top()};
  InvalidateRect(reinterpret_cast<HWND>(box->peer()->handle()), &strip, TRUE);
}

void LabelWindow::mouseMove() {
  if (label_.onMouseMove) label_.onMouseMove();
}

}  // namespace sc
