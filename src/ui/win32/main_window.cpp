#include "ui/win32/main_window.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "platform/device_broadcast.h"
#include "ui/widgets/control.h"
#include "ui/widgets/timer.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/win32_timers.h"
#include "ui/win32/window_messages.h"

namespace sc {
namespace {

// A single fixed border, a caption with the system menu and minimize box, no
// maximize box and no sizing frame. Children are clipped so that the form's
// own repaints (the paint echo) never wipe them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

HWND hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

MainWindow::MainWindow(Form& form, MainWindowSetup setup)
    : form_(form),
      setup_(std::move(setup)),
      cursor_(reinterpret_cast<std::uintptr_t>(
          LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)))) {}

MainWindow::~MainWindow() {
  if (handle_ == 0) return;
  detached_ = true;
  DestroyWindow(hwnd(handle_));
}

void MainWindow::create() {
  RECT frame = {0, 0, 0, 0};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  form_.setFrame(frame.right - frame.left, frame.bottom - frame.top);

  createHandlerWindow(*this, kMainWindowClass, form_.caption().c_str(), kStyle, kExStyle,
                      form_.outerWidth(), form_.outerHeight(), setup_.owner);
  // handle_ was set at WM_NCCREATE; children need it as their parent.
  setup_.published->store(handle_);
  setup_.timers->bindWindow(handle_);
  createChildren();
  form_.attachPeer(this);
}

void MainWindow::createChildren() {
  ChildSetup child;
  child.parent = handle_;
  child.fonts = setup_.fonts;
  child.measurer = setup_.measurer;
  child.windowFont = setup_.windowFont;
  child.failures = this;
  child.pictureChanged = &setup_.pictureChanged;
  const auto& controls = form_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    child.id = controlId(static_cast<int>(i));
    children_.push_back(createChildWindow(*controls[i], child));
    if (children_.back()) controls[i]->attachPeer(children_.back().get());
  }
  stackForTabbing();
}

void MainWindow::stackForTabbing() {
  // Tab and the arrow keys follow the stacking order of the children, so the
  // tab stops go on top in their tab order. The other controls follow, later
  // created above earlier ones, as graphic controls of a form design overlap.
  std::vector<ChildWindow*> order;
  std::vector<std::pair<int, ChildWindow*>> stops;
  const auto& controls = form_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (children_[i] && controls[i]->tabOrder() >= 0) {
      stops.emplace_back(controls[i]->tabOrder(), children_[i].get());
    }
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& stop : stops) order.push_back(stop.second);
  for (std::size_t i = controls.size(); i-- > 0;) {
    if (children_[i] && controls[i]->tabOrder() < 0) order.push_back(children_[i].get());
  }
  HWND above = HWND_TOP;
  for (ChildWindow* child : order) {
    SetWindowPos(hwnd(child->handle()), above, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = hwnd(child->handle());
  }
}

ChildWindow* MainWindow::childOf(WindowHandle window) const {
  // Only our own children: the ID names the slot, the handle must match it.
  const int index = GetDlgCtrlID(hwnd(window)) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(children_.size())) return nullptr;
  ChildWindow* child = children_[index].get();
  return child != nullptr && child->handle() == window ? child : nullptr;
}

void MainWindow::setCursor(std::uintptr_t cursor) {
  cursor_ = cursor;
  SetCursor(reinterpret_cast<HCURSOR>(cursor));
}

void MainWindow::captionChanged(const Form& form) {
  SetWindowTextA(hwnd(handle_), form.caption().c_str());
}

void MainWindow::sizeChanged(const Form& form) {
  SetWindowPos(hwnd(handle_), nullptr, 0, 0, form.outerWidth(), form.outerHeight(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::shown(const Form& form) {
  if (!centred_) {
    centred_ = true;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - form.outerWidth()) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - form.outerHeight()) / 2;
    SetWindowPos(hwnd(handle_), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd(handle_), SW_SHOW);
}

void MainWindow::topMostChanged(const Form& form) {
  // Without SWP_NOACTIVATE: the window comes forward, active, with the box
  // that it is made top-most for.
  SetWindowPos(hwnd(handle_), form.topMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

// The whole client area is painted again, without erasing it first: the form
// draws nothing of its own, and the background it showed is still right, so
// erasing it again would only fill the same pixels once more.
void MainWindow::invalidate() { InvalidateRect(hwnd(handle_), nullptr, FALSE); }

void MainWindow::closed() {
  DestroyWindow(hwnd(handle_));
  PostQuitMessage(0);
}

void MainWindow::handlerFailed(const std::string& message) {
  if (setup_.showFailure) setup_.showFailure(message);
}

void MainWindow::windowGone() {
  setup_.timers->unbindWindow();
  setup_.published->store(0);
  for (auto& child : children_) {
    if (child) child->forget();
  }
  handle_ = 0;
}

std::intptr_t MainWindow::handleMessage(WindowHandle window, std::uint32_t message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
  if (detached_) return defaultHandling(window, message, wParam, lParam);
  switch (message) {
    case WM_NCCREATE:
      handle_ = window;
      break;
    case WM_COPYDATA: {
      const CopyData payload = decodeCopyData(lParam);
      form_.OnCopyData(payload.data, payload.size);
      return 0;
    }
    case WM_DEVICECHANGE: {
      const auto event = static_cast<std::uint32_t>(wParam);
      const std::optional<DeviceBroadcast> header =
          DecodeDeviceBroadcast(event, reinterpret_cast<const std::uint8_t*>(lParam));
      form_.OnDeviceChange(event, header ? &*header : nullptr);
      // TRUE grants any query; the default handling must not see the message.
      return TRUE;
    }
    case WM_TIMER:
      if (Timer* timer = setup_.timers->running(wParam)) timer->fire();
      return 0;
    case kWakeMessage:
      // Whatever its parameters: the form decides from its own flags.
      form_.OnWake();
      return 0;
    case WM_CLOSE:
      // Close box, Alt+F4 and the system menu: the close query decides.
      form_.close();
      return 0;
    case WM_QUERYENDSESSION:
      return form_.queryEndSession(handle_) ? TRUE : FALSE;
    case WM_ENDSESSION:
      form_.endSession(wParam != FALSE);
      return 0;
    case WM_SYSCOMMAND:
      // The owner stands for the program on the taskbar: minimizing is its
      // business, and it hides this window along with itself.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        if (HWND owner = GetWindow(hwnd(handle_), GW_OWNER)) {
          ShowWindow(owner, SW_MINIMIZE);
          return 0;
        }
      }
      break;
    case WM_COMMAND:
      if (ChildWindow* child = childOf(static_cast<WindowHandle>(lParam))) {
        child->command(HIWORD(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      std::intptr_t brush = 0;
      ChildWindow* child = childOf(static_cast<WindowHandle>(lParam));
      if (child != nullptr && child->colours(wParam, &brush)) return brush;
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (ChildWindow* child = childOf(reinterpret_cast<WindowHandle>(item->hwndItem))) {
        child->draw(item);
        return TRUE;
      }
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) rememberFocus();
      break;
    case WM_SETFOCUS:
      // Activation gives the focus to the window itself; a keyboard user
      // expects it back on the control they left, as in any dialog.
      if (restoreFocus()) return 0;
      break;
    case WM_SETCURSOR:
      return setCursorMessage(wParam, lParam);
    case WM_MOUSEMOVE:
      form_.FormMouseMove();
      return 0;
    case WM_MOVE:
      if (setup_.moved) setup_.moved();
      return 0;
    case WM_PAINT:
      paint();
      return 0;
    default:
      break;
  }
  return defaultHandling(window, message, wParam, lParam);
}

std::intptr_t MainWindow::setCursorMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  // Children pass WM_SETCURSOR up to their parent first; answering it here
  // keeps the application-wide cursor over the form and every control, and
  // tells which control the pointer moves over.
  const auto over = static_cast<WindowHandle>(wParam);
  if (HIWORD(lParam) == WM_MOUSEMOVE && over != handle_) {
    if (ChildWindow* child = childOf(over)) child->mouseMove();
  }
  if (LOWORD(lParam) == HTCLIENT) {
    SetCursor(reinterpret_cast<HCURSOR>(cursor_));
    return TRUE;
  }
  return defaultHandling(handle_, WM_SETCURSOR, wParam, lParam);
}

void MainWindow::rememberFocus() {
  HWND focus = GetFocus();
  focusWhenDeactivated_ =
      focus != nullptr && IsChild(hwnd(handle_), focus) ? reinterpret_cast<WindowHandle>(focus) : 0;
}

bool MainWindow::restoreFocus() {
  HWND control = hwnd(focusWhenDeactivated_);
  focusWhenDeactivated_ = 0;
  // A control hidden or disabled meanwhile cannot take it.
  if (control == nullptr || !IsChild(hwnd(handle_), control) || !IsWindowVisible(control) ||
      !IsWindowEnabled(control)) {
    return false;
  }
  SetFocus(control);
  return true;
}

void MainWindow::paint() {
  PAINTSTRUCT ps;
  BeginPaint(hwnd(handle_), &ps);
  EndPaint(hwnd(handle_), &ps);
  form_.FormPaint();
}

}  // namespace sc
