#include "ui/win32/child_window.h"

#include <windows.h>

#include "ui/win32/gdi_fonts.h"

namespace sc {

void ChildWindow::create(const char* className, std::uint32_t style, std::uint32_t exStyle,
                         const ChildSetup& setup) {
  const Control& c = control_;
  // Siblings clip each other so that an overlapping control (the status label
  // on the status box) is not painted over by the one beneath it.
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (c.visible()) style |= WS_VISIBLE;
  if (!c.enabled()) style |= WS_DISABLED;
  if (c.tabOrder() >= 0) style |= WS_TABSTOP;
  HWND window = CreateWindowExA(exStyle, className, c.text().c_str(), style, c.left(), c.top(),
                                c.width(), c.height(), reinterpret_cast<HWND>(setup.parent),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(setup.id)),
                                GetModuleHandleA(nullptr), nullptr);
  handle_ = reinterpret_cast<WindowHandle>(window);
  pictureChanged_ = setup.pictureChanged;
  font_ = c.font() != nullptr ? *c.font() : *setup.windowFont;
  send(WM_SETFONT, setup.fonts->get(font_), FALSE);
}

std::intptr_t ChildWindow::send(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) const {
  return SendMessageA(reinterpret_cast<HWND>(handle_), message, wParam, lParam);
}

void ChildWindow::sync(const Control& control, Change what) {
  (void)control;  // the kinds keep a typed reference to the same control
  if (handle_ == 0) return;
  HWND window = reinterpret_cast<HWND>(handle_);
  const Control& c = control_;
  switch (what) {
    case Change::Text:
      SetWindowTextA(window, c.text().c_str());
      break;
    case Change::Enabled:
      EnableWindow(window, c.enabled() ? TRUE : FALSE);
      break;
    case Change::Visible:
      ShowWindow(window, c.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Bounds:
      move();
      break;
    case Change::Front:
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    default:
      break;
  }
  syncOwn(what);
  const bool seen = what == Change::Text || what == Change::Enabled || what == Change::Visible ||
                    what == Change::Bounds;
  if (seen && pictureChanged_ != nullptr && *pictureChanged_) (*pictureChanged_)();
}

void ChildWindow::move() {
  const Control& c = control_;
  // The uncovered background is erased when the form and its siblings paint
  // next, not at once: the same pixels, one pass fewer.
  SetWindowPos(reinterpret_cast<HWND>(handle_), nullptr, c.left(), c.top(), c.width(), c.height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}

}  // namespace sc
