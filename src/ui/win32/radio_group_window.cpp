#include "ui/win32/radio_group_window.h"

#include <windows.h>

#include "ui/main_window/radio_layout.h"
#include "ui/widgets/label.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/gdi_fonts.h"
#include "ui/win32/window_procedure.h"

namespace sc {
namespace {

LRESULT CALLBACK subclassedGroup(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* group = reinterpret_cast<RadioGroupWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return group->groupMessage(message, wParam, lParam);
}

}  // namespace

RadioGroupWindow::RadioGroupWindow(RadioGroup& group, const ChildSetup& setup)
    : ChildWindow(group), group_(group), setup_(setup) {
  // WS_EX_CONTROLPARENT lets Tab and the arrow keys reach the buttons inside.
  create("BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, setup);
  HWND box = reinterpret_cast<HWND>(handle());
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = static_cast<std::uintptr_t>(
      SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassedGroup)));
  makeButtons();
}

std::intptr_t RadioGroupWindow::groupMessage(std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
  HWND box = reinterpret_cast<HWND>(handle());
  switch (message) {
    case WM_COMMAND: {
      const int index = LOWORD(wParam) - kFirstRadioItemId;
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < group_.count()) {
        guarded(*setup_.failures, [&] { group_.clickItem(index); });
      }
      return 0;
    }
    case WM_NCHITTEST:
      // A group box is transparent to the mouse; the group is a control of
      // its own, not bare form.
      return HTCLIENT;
    case WM_ERASEBKGND: {
      // The form clips its children, so nobody else paints the box's inside.
      RECT r;
      GetClientRect(box, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return CallWindowProcA(reinterpret_cast<WNDPROC>(original_), box, message, wParam, lParam);
  }
}

void RadioGroupWindow::makeButtons() {
  for (WindowHandle button : buttons_) DestroyWindow(reinterpret_cast<HWND>(button));
  buttons_.clear();
  const bool tabStop = group_.tabOrder() >= 0;
  const FontHandle font = setup_.fonts->get(this->font());
  for (int i = 0; i < group_.count(); ++i) {
    // Automatic: the arrow keys then move the check with the focus, as in any
    // dialog, and each move reports a click. The group's own state still
    // decides; showSelection mirrors it back.
    DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    if (i == 0) style |= WS_GROUP | (tabStop ? WS_TABSTOP : 0);
    HWND button = CreateWindowExA(0, "BUTTON", group_.items()[i].c_str(), style, 0, 0, 0, 0,
                                  reinterpret_cast<HWND>(handle()),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(radioItemId(i))),
                                  GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, font, FALSE);
    buttons_.push_back(reinterpret_cast<WindowHandle>(button));
  }
  placeButtons();
  showSelection();
  enableButtons();
}

void RadioGroupWindow::placeButtons() {
  const int textHeight = setup_.measurer->textHeight(font());
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    const Rect r = radioItemBounds(group_.width(), group_.height(), textHeight, group_.count(), i);
    SetWindowPos(reinterpret_cast<HWND>(buttons_[i]), nullptr, r.left, r.top, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void RadioGroupWindow::showSelection() {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    SendMessageA(reinterpret_cast<HWND>(buttons_[i]), BM_SETCHECK,
                 i == group_.itemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void RadioGroupWindow::enableButtons() {
  // Disabling the box alone would stop input but leave the buttons looking
  // usable.
  for (WindowHandle button : buttons_) {
    EnableWindow(reinterpret_cast<HWND>(button), group_.enabled() ? TRUE : FALSE);
  }
}

void RadioGroupWindow::syncOwn(Change what) {
  switch (what) {
    case Change::Items:
      makeButtons();
      break;
    case Change::Bounds:
      placeButtons();
      break;
    case Change::Selection:
      showSelection();
      break;
    case Change::Enabled:
      enableButtons();
      break;
    default:
      break;
  }
}

}  // namespace sc
