#include "dialog_window.h"

namespace sc::tools {
namespace {

constexpr const char* kDialogClass = "iTunesCustomModalDialog";
constexpr int kButtonId = 100;  // + the button's left-to-right index
constexpr int kHiddenButtonId = 199;
constexpr int kButtonWidth = 110, kButtonHeight = 26, kButtonGap = 12, kMargin = 16;

bool RegisterDialogClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance, kDialogClass, &wc)) return true;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kDialogClass;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

DialogWindow::~DialogWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool DialogWindow::Show(HINSTANCE instance, HWND owner) {
  owner_ = owner;
  if (!RegisterDialogClass(instance, Trampoline)) return false;
  int count = static_cast<int>(plan_.buttons.size());
  int width = 2 * kMargin + count * kButtonWidth + (count - 1) * kButtonGap;
  if (width < 420) width = 420;
  int height = plan_.list_items.empty() ? 150 : 230;
  // Captioned but without a close box: the question has to be answered.
  window_ = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kDialogClass, "iTunes",
                            WS_POPUP | WS_CAPTION, 120, 120, width, height, owner, nullptr,
                            instance, this);
  if (window_ == nullptr) return false;
  AddChildren(instance);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  return true;
}

void DialogWindow::AddChildren(HINSTANCE instance) {
  CreateWindowExA(0, "Static", plan_.question.c_str(), WS_CHILD | WS_VISIBLE, kMargin, 12, 380, 20,
                  window_, nullptr, instance, nullptr);
  int buttons_top = 70;
  if (!plan_.list_items.empty()) {
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                            kMargin, 38, 380, 80, window_, nullptr, instance, nullptr);
    for (const auto& item : plan_.list_items) {
      SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(list_, LB_SETCURSEL, 0, 0);
    buttons_top = 140;
  }
  int count = static_cast<int>(plan_.buttons.size());
  for (int index : CreationOrder(count, config_.button_order)) {
    int left = kMargin + index * (kButtonWidth + kButtonGap);
    CreateWindowExA(0, "Button", plan_.buttons[index].label.c_str(),
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, left, buttons_top,
                    kButtonWidth, kButtonHeight, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId + index)), instance,
                    nullptr);
  }
  if (config_.hidden_button) {
    CreateWindowExA(0, "Button", "Hidden", WS_CHILD | BS_PUSHBUTTON, kMargin, buttons_top + 30,
                    kButtonWidth, kButtonHeight, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHiddenButtonId)), instance,
                    nullptr);
  }
}

std::string DialogWindow::Choice() const {
  if (list_ == nullptr) return "";
  LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return "";
  char text[256] = {};
  if (SendMessageA(list_, LB_GETTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text)) return "";
  SendMessageA(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

LRESULT CALLBACK DialogWindow::Trampoline(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    reinterpret_cast<DialogWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    int id = LOWORD(wparam);
    int count = static_cast<int>(plan_.buttons.size());
    if (id >= kButtonId && id < kButtonId + count) {
      PostMessageA(owner_, kAnswerMessage, static_cast<WPARAM>(id - kButtonId), 0);
    }
    return 0;
  }
  HWND window = window_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    window_ = nullptr;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace sc::tools
