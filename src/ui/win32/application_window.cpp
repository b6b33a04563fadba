#include "ui/win32/application_window.h"

#include <windows.h>

#include "platform/win32/win32_function_lookup.h"
#include "ui/main_window/button_window_place.h"

namespace sc {
namespace {

// A caption and a system menu with "Minimize" and "Close" for the taskbar
// button's menu; a pop-up, so that a zero size is taken as it is.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;

// Spelled out: XP's headers lack them.
constexpr UINT kDwmCompositionChanged = 0x031E;   // WM_DWMCOMPOSITIONCHANGED
constexpr UINT kDwmSendIconicThumbnail = 0x0323;  // WM_DWMSENDICONICTHUMBNAIL
constexpr DWORD kMessageFilterAllow = 1;          // MSGFLT_ALLOW, and Vista's MSGFLT_ADD

using ChangeFilterExFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ChangeFilterFunction = BOOL(WINAPI*)(UINT, DWORD);

HWND hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// A program started as administrator hears messages from Explorer and DWM,
// which run with less, only after it lets them through: for this window from
// Windows 7 on, for the whole process on Vista; XP has no such filter.
void LetThrough(HWND window, UINT message) {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  if (const auto forWindow =
          win32::FunctionIn<ChangeFilterExFunction>(user32, "ChangeWindowMessageFilterEx")) {
    forWindow(window, message, kMessageFilterAllow, nullptr);
  } else if (const auto forProcess =
                 win32::FunctionIn<ChangeFilterFunction>(user32, "ChangeWindowMessageFilter")) {
    forProcess(message, kMessageFilterAllow);
  }
}

}  // namespace

ApplicationWindow::ApplicationWindow(const std::atomic<WindowHandle>& mainWindow, Form& form,
                                     std::function<void(const std::string&)> showFailure)
    : mainWindow_(mainWindow),
      form_(form),
      showFailure_(std::move(showFailure)),
      taskbarButtonCreated_(RegisterWindowMessageA("TaskbarButtonCreated")) {}

ApplicationWindow::~ApplicationWindow() {
  if (handle_ != 0) DestroyWindow(hwnd(handle_));
}

void ApplicationWindow::create(const std::string& title) {
  // handle_ is set at WM_NCCREATE.
  createHandlerWindow(*this, kApplicationWindowClass, title.c_str(), kStyle, 0, 0, 0, 0);
  followMainWindow();
  // Let through before the window is shown, which makes its button: Explorer
  // sends its first "TaskbarButtonCreated" right after.
  for (const UINT message : {taskbarButtonCreated_, kDwmSendIconicThumbnail})
    if (message != 0) LetThrough(hwnd(handle_), message);
  ShowWindow(hwnd(handle_), SW_SHOWNOACTIVATE);
  thumbnail_.ask(hwnd(handle_));
}

void ApplicationWindow::followMainWindow() {
  // Minimized, it stands where Windows keeps minimized windows; it comes
  // back to its place when restored.
  if (handle_ == 0 || IsIconic(hwnd(handle_))) return;
  // Where the taskbar shows each button on its window's monitor, the
  // button's window must be on the main window's. Before there is a main
  // window, on the primary monitor, where the main window is first centred.
  const HWND main = hwnd(mainWindow_.load());
  const HMONITOR monitor = main != nullptr
                               ? MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST)
                               : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info)) return;
  RECT frame = {};
  if (main != nullptr) GetWindowRect(main, &frame);
  // Just past the monitor's edge, off every screen: Windows finds the
  // monitor nearest to it, and Wine gives a window on no screen no X window.
  // On a screen it would get one, which Wine without a window manager waits
  // two seconds to see withdrawn when it is hidden or destroyed.
  const Rect desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const ScreenPoint at = BesideTheDesktop(ButtonWindowPlace(ToRect(frame), ToRect(info.rcMonitor)),
                                          ToRect(info.rcMonitor), desktop);
  SetWindowPos(hwnd(handle_), nullptr, at.x, at.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplicationWindow::pictureChanged() {
  if (handle_ != 0) thumbnail_.invalidate(hwnd(handle_));
}

void ApplicationWindow::setTitle(const std::string& title) {
  SetWindowTextA(hwnd(handle_), title.c_str());
}

void ApplicationWindow::handlerFailed(const std::string& message) {
  if (showFailure_) showFailure_(message);
}

std::intptr_t ApplicationWindow::handleMessage(WindowHandle window, std::uint32_t message,
                                               std::uintptr_t wParam, std::intptr_t lParam) {
  const HWND main = hwnd(mainWindow_.load());
  switch (message) {
    case WM_NCCREATE:
      handle_ = window;
      break;
    case WM_CLOSE:
      // The taskbar's "Close": the main window's closing rule decides. The
      // program ends when the main window closes, never with this window.
      if (main != nullptr) SendMessageA(main, WM_CLOSE, 0, 0);
      return 0;
    case WM_QUERYENDSESSION:
      // Windows asks this window too: it answers as the main window does,
      // and a reason for a refusal is given for it.
      if (main != nullptr) return form_.queryEndSession(handle_) ? TRUE : FALSE;
      break;
    case WM_ENDSESSION:
      // Windows may end the process once any of its windows has returned
      // from this message: the main window must have saved by then.
      if (main != nullptr) SendMessageA(main, WM_ENDSESSION, wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && activateMainWindow()) return 0;
      break;
    case WM_SIZE:
      sizeChanged(wParam);
      break;
    // DWM asks for the thumbnail of the button's window: the main window's.
    // Not taken, it is left to the default handling, as if never answered.
    case kDwmSendIconicThumbnail:
      if (main != nullptr &&
          thumbnail_.sendThumbnail(hwnd(handle_), main, HIWORD(lParam), LOWORD(lParam)))
        return 0;
      break;
    case kDwmCompositionChanged:
      // Switched on again, DWM forgets what it was asked.
      thumbnail_.ask(hwnd(handle_));
      break;
    case WM_DISPLAYCHANGE:
      // A monitor came, went or changed its size: the desktop's edges moved.
      followMainWindow();
      break;
    default:
      // Explorer started again: what the button showed is gone. A message
      // forged by another program only shows the same state once more.
      if (message == taskbarButtonCreated_ && taskbarButtonCreated_ != 0 && main != nullptr) {
        form_.taskbarButtonCreated();
        return 0;
      }
      break;
  }
  return defaultHandling(window, message, wParam, lParam);
}

void ApplicationWindow::sizeChanged(std::uintptr_t kind) {
  // However it was minimized or restored (taskbar, the main window's
  // minimize box, another program's ShowWindow), the main window follows.
  // Wine hides owned windows on SC_MINIMIZE only, and shows them again on
  // SC_RESTORE only, so both are done here.
  if (kind == SIZE_MINIMIZED) {
    minimized_ = true;
    ShowOwnedPopups(hwnd(handle_), FALSE);
  } else if (kind == SIZE_RESTORED && minimized_) {
    minimized_ = false;
    ShowOwnedPopups(hwnd(handle_), TRUE);
    followMainWindow();
  }
}

bool ApplicationWindow::activateMainWindow() {
  const HWND main = hwnd(mainWindow_.load());
  if (main == nullptr || !IsWindowVisible(main)) return false;
  // A box the main window shows was active last, and stays in front.
  SetActiveWindow(GetLastActivePopup(main));
  return true;
}

}  // namespace sc
