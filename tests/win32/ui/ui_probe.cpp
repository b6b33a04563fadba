#include "win32/ui/ui_probe.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace sc::probe {
namespace {

HWND hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle handleOf(HWND window) { return reinterpret_cast<WindowHandle>(window); }

std::intptr_t send(WindowHandle window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(hwnd(window), message, wParam, lParam);
}

Rect toRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

HFONT fontOf(WindowHandle window) {
  return reinterpret_cast<HFONT>(send(window, WM_GETFONT, 0, 0));
}

LOGFONTA logFont(WindowHandle window) {
  LOGFONTA lf = {};
  GetObjectA(fontOf(window), sizeof lf, &lf);
  return lf;
}

}  // namespace

WindowHandle childById(WindowHandle parent, int id) {
  return handleOf(GetDlgItem(hwnd(parent), id));
}

WindowHandle findTopLevel(const char* className, const char* title) {
  return handleOf(FindWindowA(className, title));
}

bool exists(WindowHandle window) { return window != 0 && IsWindow(hwnd(window)); }

std::string className(WindowHandle window) {
  char name[256] = {};
  GetClassNameA(hwnd(window), name, sizeof name);
  return name;
}

std::string text(WindowHandle window) {
  char buffer[1024] = {};
  send(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::string wholeText(WindowHandle window) {
  const auto length = static_cast<std::size_t>(send(window, WM_GETTEXTLENGTH, 0, 0));
  std::string buffer(length + 1, '\0');
  const auto copied = static_cast<std::size_t>(
      send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  buffer.resize(std::min(copied, length));
  return buffer;
}

namespace {
constexpr const char* kCounterProperty = "sc.probe.SetTextCounter";

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* counter = static_cast<SetTextCounter*>(GetPropA(window, kCounterProperty));
  if (message == WM_SETTEXT) counter->counted();
  return CallWindowProcA(reinterpret_cast<WNDPROC>(counter->previousProcedure()), window, message,
                         wParam, lParam);
}
}  // namespace

SetTextCounter::SetTextCounter(WindowHandle window) : window_(window) {
  SetPropA(hwnd(window), kCounterProperty, this);
  previous_ =
      SetWindowLongPtrA(hwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProcedure));
}

SetTextCounter::~SetTextCounter() {
  SetWindowLongPtrA(hwnd(window_), GWLP_WNDPROC, previous_);
  RemovePropA(hwnd(window_), kCounterProperty);
}

bool enabled(WindowHandle window) { return IsWindowEnabled(hwnd(window)) != FALSE; }

bool visibleStyle(WindowHandle window) {
  return (GetWindowLongA(hwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool checked(WindowHandle window) { return send(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool tabStop(WindowHandle window) {
  return (GetWindowLongA(hwnd(window), GWL_STYLE) & WS_TABSTOP) != 0;
}

Rect boundsInParent(WindowHandle window) {
  RECT r;
  GetWindowRect(hwnd(window), &r);
  MapWindowPoints(nullptr, GetParent(hwnd(window)), reinterpret_cast<POINT*>(&r), 2);
  return toRect(r);
}

Rect clientRect(WindowHandle window) {
  RECT r;
  GetClientRect(hwnd(window), &r);
  return toRect(r);
}

Rect windowRect(WindowHandle window) {
  RECT r;
  GetWindowRect(hwnd(window), &r);
  return toRect(r);
}

WindowHandle owner(WindowHandle window) { return handleOf(GetWindow(hwnd(window), GW_OWNER)); }

bool topLevel(WindowHandle window) {
  return IsWindow(hwnd(window)) && GetAncestor(hwnd(window), GA_PARENT) == GetDesktopWindow();
}

std::uint32_t processOf(WindowHandle window) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd(window), &process);
  return process;
}

bool minimized(WindowHandle window) { return IsIconic(hwnd(window)) != FALSE; }
WindowHandle activeWindow() { return handleOf(GetActiveWindow()); }

WindowHandle topChild(WindowHandle parent) { return handleOf(GetWindow(hwnd(parent), GW_CHILD)); }
WindowHandle nextBelow(WindowHandle window) {
  return handleOf(GetWindow(hwnd(window), GW_HWNDNEXT));
}

bool topMost(WindowHandle window) {
  return (GetWindowLongA(hwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

Rect textSizeInOwnFont(WindowHandle window, const std::string& text) {
  HDC dc = GetDC(hwnd(window));
  HGDIOBJ old = SelectObject(dc, fontOf(window));
  RECT r = {0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(hwnd(window), dc);
  return toRect(r);
}

std::string fontFace(WindowHandle window) { return logFont(window).lfFaceName; }
int fontWeight(WindowHandle window) { return logFont(window).lfWeight; }

void click(WindowHandle button) { send(button, BM_CLICK, 0, 0); }

void pressMouse(WindowHandle window) {
  send(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  send(window, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

std::intptr_t hover(WindowHandle window, WindowHandle over) {
  return send(window, WM_SETCURSOR, over, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

bool cursorIs(CursorShape shape) {
  const LPCSTR id = shape == CursorShape::HandPoint ? reinterpret_cast<LPCSTR>(IDC_HAND)
                                                    : reinterpret_cast<LPCSTR>(IDC_ARROW);
  return GetCursor() == LoadCursorA(nullptr, id);
}

void moveMouse(WindowHandle window) { send(window, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }

void movePointerOnto(WindowHandle window) {
  RECT r;
  GetWindowRect(hwnd(window), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void movePointerTo(WindowHandle window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(hwnd(window), &p);
  SetCursorPos(p.x, p.y);
}

void repaintNow(WindowHandle window) {
  InvalidateRect(hwnd(window), nullptr, TRUE);
  UpdateWindow(hwnd(window));
}
bool waitsForPaint(WindowHandle window) {
  return GetUpdateRect(hwnd(window), nullptr, FALSE) != FALSE;
}

std::intptr_t sendCopyData(WindowHandle window, const void* data, std::uint32_t size,
                           std::uintptr_t tag) {
  COPYDATASTRUCT cds = {tag, size, const_cast<void*>(data)};
  return send(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

std::intptr_t sendCopyDataWithoutPayload(WindowHandle window, std::uint32_t size) {
  COPYDATASTRUCT cds = {0, size, nullptr};
  return send(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

std::intptr_t sendDeviceChange(WindowHandle window, std::uint32_t event, const void* record) {
  return send(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record));
}

void postDeviceChange(WindowHandle window, std::uint32_t event, std::intptr_t lParam) {
  PostMessageA(hwnd(window), WM_DEVICECHANGE, event, lParam);
}

std::intptr_t defaultDeviceChange(WindowHandle window, std::uint32_t event, const void* record) {
  return DefWindowProcA(hwnd(window), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record));
}

std::intptr_t sendClose(WindowHandle window) { return send(window, WM_CLOSE, 0, 0); }
std::intptr_t sendSystemClose(WindowHandle window) {
  return send(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}
std::intptr_t queryEndSession(WindowHandle window) {
  return send(window, WM_QUERYENDSESSION, 0, 0);
}
void taskbarButtonCreated(WindowHandle window) {
  send(window, RegisterWindowMessageA("TaskbarButtonCreated"), 0, 0);
}
void pressMinimize(WindowHandle window) { send(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); }
void restore(WindowHandle window) { ShowWindow(hwnd(window), SW_RESTORE); }
void activate(WindowHandle window) { SetActiveWindow(hwnd(window)); }
void postClose(WindowHandle window) { PostMessageA(hwnd(window), WM_CLOSE, 0, 0); }
void pressOk(WindowHandle box) { PostMessageA(hwnd(box), WM_COMMAND, IDOK, 0); }

void pumpFor(unsigned milliseconds) {
  pumpUntil([] { return false; }, milliseconds);
}

namespace {

// Runs the calling thread's messages until `done` or the time is up, waking
// at least every 10 ms to look at `done` again, and at once when `object`
// (if any) is signalled.
bool pump(const std::function<bool()>& done, unsigned timeoutMs, HANDLE object) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // Leave it for whoever runs the loop; it says the form has closed.
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    const DWORD wait = std::min<DWORD>(timeoutMs - elapsed, 10);
    MsgWaitForMultipleObjects(object ? 1 : 0, object ? &object : nullptr, FALSE, wait, QS_ALLINPUT);
  }
}

}  // namespace

bool pumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  return pump(done, timeoutMs, nullptr);
}

bool takeQuit() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

std::uint32_t currentThread() { return GetCurrentThreadId(); }
int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int runSelf(const std::string& arguments, const std::string& environment) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const auto equals = environment.find('=');
  SetEnvironmentVariableA(environment.substr(0, equals).c_str(),
                          environment.substr(equals + 1).c_str());
  std::string commandLine = "\"" + std::string(path) + "\" " + arguments;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(path, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return -1;
  }
  // The child sends messages to our windows: keep answering them.
  pump([&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }, 60000, pi.hProcess);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

std::string environment(const char* name) {
  char value[512] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

}  // namespace sc::probe
