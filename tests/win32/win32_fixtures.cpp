#include "win32/win32_fixtures.h"

#include <windows.h>

#include <future>
#include <vector>

namespace sc::win32 {
namespace {

constexpr char kPlainWindowClass[] = "SpoolcatPlainWindow";

void registerPlainWindowClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kPlainWindowClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

// The buttons that sent BN_CLICKED, one entry a click; owned by the window.
using ClickRecord = std::vector<WindowHandle>;

LRESULT CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ClickRecord));
      break;
    case WM_NCDESTROY:
      delete reinterpret_cast<ClickRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        auto* record = reinterpret_cast<ClickRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (record != nullptr) record->push_back(static_cast<WindowHandle>(lParam));
      }
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

constexpr char kStuckWindowClass[] = "SpoolcatStuckOnCloseWindow";

// GWLP_USERDATA holds the event that releases the WM_CLOSE handler.
LRESULT CALLBACK stuckProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      WaitForSingleObject(reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_USERDATA)),
                          INFINITE);
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

StuckOnCloseWindow::StuckOnCloseWindow(const std::string& title)
    : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  std::promise<WindowHandle> made;
  std::future<WindowHandle> madeWindow = made.get_future();
  thread_ = std::thread([this, title, &made] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = stuckProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kStuckWindowClass;
    RegisterClassA(&windowClass);  // a second registration fails harmlessly
    HWND window = CreateWindowExA(0, kStuckWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr)
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(release_));
    made.set_value(reinterpret_cast<WindowHandle>(window));
    if (window == nullptr) return;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  });
  window_ = madeWindow.get();
}

StuckOnCloseWindow::~StuckOnCloseWindow() {
  SetEvent(release_);
  // A handler already stuck returns now; otherwise this close goes through
  // at once. Either way the window goes and its thread's loop ends.
  PostMessageA(reinterpret_cast<HWND>(window_), WM_CLOSE, 0, 0);
  thread_.join();
  CloseHandle(release_);
}

bool deleteRegistryTree(RegRoot root, const std::string& path) {
  HKEY rootKey = root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  RegDeleteTreeA(rootKey, path.c_str());
  const LONG error = RegDeleteKeyA(rootKey, path.c_str());
  return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}

WindowHandle createPlainWindow(const std::string& title) {
  registerPlainWindowClass();
  HWND window = CreateWindowExA(0, kPlainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  return reinterpret_cast<WindowHandle>(window);
}

void destroyPlainWindow(WindowHandle window) {
  HWND handle = reinterpret_cast<HWND>(window);
  if (IsWindow(handle)) DestroyWindow(handle);
}

void minimizeWindow(WindowHandle window) {
  ShowWindow(reinterpret_cast<HWND>(window), SW_MINIMIZE);
}

bool isMinimized(WindowHandle window) { return IsIconic(reinterpret_cast<HWND>(window)) != FALSE; }

WindowHandle foregroundWindow() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

WindowHandle createDialogWindow(const std::string& className, int left) {
  // A second registration of the same name fails harmlessly: the first stays.
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = dialogProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className.c_str();
  RegisterClassA(&windowClass);
  // A dialog frame without a caption: Wine leaves such a window to itself
  // rather than to the window manager, and destroys it at once instead of
  // waiting two seconds for a manager that Xvfb does not have.
  HWND window =
      CreateWindowExA(0, className.c_str(), "Spoolcat Contract Dialog", WS_POPUP | WS_DLGFRAME,
                      left, 200, 400, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window != nullptr) ShowWindow(window, SW_SHOWNOACTIVATE);
  return reinterpret_cast<WindowHandle>(window);
}

WindowHandle addControl(WindowHandle dialog, const std::string& className, const std::string& text,
                        int x, bool visible) {
  HWND parent = reinterpret_cast<HWND>(dialog);
  DWORD style = WS_CHILD | (visible ? WS_VISIBLE : 0);
  if (lstrcmpiA(className.c_str(), "Button") == 0) style |= BS_PUSHBUTTON;
  // Distinct IDs, as a dialog's controls have.
  static int nextId = 100;
  HWND control = CreateWindowExA(0, className.c_str(), text.c_str(), style, x, 40, 80, 25, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)),
                                 GetModuleHandleA(nullptr), nullptr);
  return reinterpret_cast<WindowHandle>(control);
}

int buttonClicks(WindowHandle dialog, WindowHandle button) {
  const auto* record = reinterpret_cast<const ClickRecord*>(
      GetWindowLongPtrA(reinterpret_cast<HWND>(dialog), GWLP_USERDATA));
  if (record == nullptr) return 0;
  int clicks = 0;
  for (WindowHandle sender : *record) clicks += sender == button ? 1 : 0;
  return clicks;
}

int takeWakeMessages(WindowHandle window) {
  int bare = 0;
  MSG msg;
  while (
      PeekMessageA(&msg, reinterpret_cast<HWND>(window), kWakeMessage, kWakeMessage, PM_REMOVE)) {
    if (msg.wParam == 0 && msg.lParam == 0) ++bare;
  }
  return bare;
}

std::uint32_t currentProcessId() { return GetCurrentProcessId(); }

void setEnvironmentVariable(const std::string& name, const std::string& value) {
  SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void removeEnvironmentVariable(const std::string& name) {
  SetEnvironmentVariableA(name.c_str(), nullptr);
}

}  // namespace sc::win32
