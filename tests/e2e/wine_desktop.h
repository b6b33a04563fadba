// Wine's own desktop: one X window in which Wine draws every window's frame
// and caption and keeps the focus and the foreground window itself, as a
// window manager would. Keyboard input only means something there: without
// a window manager on Xvfb, no window is active for real.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The desktop the tests share; 800 x 600 holds the window with room around it.
constexpr const char* kTestDesktop = "SpoolcatE2e";

// Makes the desktop `name` of `width` x `height` pixels (Wine draws it when a
// size is registered under HKCU\Software\Wine\Explorer\Desktops) and moves
// the calling thread onto it, so that the windows it finds and the input it
// sends are those of the desktop. Must be called before the thread owns any
// window. Programs are started on it with Process::Start(..., name).
bool JoinDesktop(const std::string& name, int width, int height);

// Keystrokes as the keyboard makes them (SendInput), to the foreground window
// of the calling thread's desktop.
void PressKey(WORD key);
// `key` while `modifier` (VK_MENU, VK_SHIFT, ...) is held down.
void PressKeyWith(WORD modifier, WORD key);

// The control of `top` (or one of its grandchildren) that has the keyboard
// focus: its control ID, 0 for the window itself, -1 when its thread has none.
int FocusedId(HWND top);
// Makes `top` the foreground window and waits until it is.
bool BringToFront(HWND top, DWORD timeoutMs);

}  // namespace e2e
