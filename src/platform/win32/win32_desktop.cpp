#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <algorithm>

namespace sc::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle fromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace

WindowHandle Win32Desktop::findWindowByTitle(const char* title) {
  return fromHwnd(FindWindowA(nullptr, title));
}

bool Win32Desktop::sendClose(WindowHandle window, std::uint32_t waitMs) {
  // Not SMTO_BLOCK: a player that, while closing, sends a message to one of
  // our windows (an activation, a broadcast) gets its answer, as with
  // SendMessageA, instead of both sides waiting out the time.
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(toHwnd(window), WM_CLOSE, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, waitMs,
                             &result) != 0;
}

WindowHandle Win32Desktop::firstWindow(WindowHandle window) {
  return fromHwnd(GetWindow(toHwnd(window), GW_HWNDFIRST));
}

WindowHandle Win32Desktop::nextWindow(WindowHandle window) {
  return fromHwnd(GetWindow(toHwnd(window), GW_HWNDNEXT));
}

void Win32Desktop::className(WindowHandle window, FixedText<256>& name) {
  const int size = static_cast<int>(name.size());
  const int length = GetClassNameA(toHwnd(window), name.data(), size);
  // The zero goes where the answer says the name ends, so a failed call
  // leaves "" whatever it wrote, and the name never runs past the buffer.
  name[static_cast<std::size_t>(std::clamp(length, 0, size - 1))] = 0;
}

WindowHandle Win32Desktop::nextChild(WindowHandle parent, WindowHandle after) {
  return fromHwnd(FindWindowExA(toHwnd(parent), toHwnd(after), nullptr, nullptr));
}

bool Win32Desktop::isVisible(WindowHandle window) {
  return IsWindowVisible(toHwnd(window)) != FALSE;
}

bool Win32Desktop::windowLeft(WindowHandle window, int* left) {
  RECT rect;
  if (!GetWindowRect(toHwnd(window), &rect)) return false;
  *left = rect.left;
  return true;
}

void Win32Desktop::setForeground(WindowHandle window) { SetForegroundWindow(toHwnd(window)); }

void Win32Desktop::bringToFront(WindowHandle window) {
  // A window owned by its application's window is minimized with it: the
  // owner is the iconic one, and the window stays hidden until the owner is
  // restored. GetAncestor(GA_ROOTOWNER) would stop at an owned window that
  // is not a pop-up, so the owners are followed one by one.
  for (HWND w = toHwnd(window); w != nullptr; w = GetWindow(w, GW_OWNER)) {
    if (IsIconic(w)) ShowWindow(w, SW_RESTORE);
  }
  SetForegroundWindow(toHwnd(window));
}

void Win32Desktop::sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) {
  SendMessageA(toHwnd(window), WM_LBUTTONDOWN, wParam, lParam);
}

void Win32Desktop::sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) {
  SendMessageA(toHwnd(window), WM_LBUTTONUP, wParam, lParam);
}

void Win32Desktop::postWake(WindowHandle window) {
  PostMessageA(toHwnd(window), kWakeMessage, 0, 0);
}

}  // namespace sc::win32
