// Real-system chores that tests need and the program does not: removing a
// registry tree, making a plain window of one's own. Kept here so that test
// code, too, stays clear of <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

#include "platform/platform.h"

namespace sc::win32 {

// RegDeleteTreeA and then the key itself; true when nothing is left.
bool deleteRegistryTree(RegRoot root, const std::string& path);
// A hidden top-level window of a private class that closes on WM_CLOSE the
// default way. Owned by the calling thread.
WindowHandle createPlainWindow(const std::string& title);
void destroyPlainWindow(WindowHandle window);
// ShowWindow(SW_MINIMIZE), IsIconic and GetForegroundWindow.
void minimizeWindow(WindowHandle window);
bool isMinimized(WindowHandle window);
WindowHandle foregroundWindow();
// A top-level window of class `className` (registered on first use), shown
// without being activated, with a 3-pixel dialog frame, its left edge at screen
// x `left`. It counts the BN_CLICKED its controls send it and closes on
// WM_CLOSE the default way. Owned by the calling thread; destroyPlainWindow()
// destroys it too. 0 when Windows refuses the class (over 255 characters).
WindowHandle createDialogWindow(const std::string& className, int left);
// A standard control ("Button", "ListBox", "Static") at client x `x`, after
// the dialog's other controls.
WindowHandle addControl(WindowHandle dialog, const std::string& className, const std::string& text,
                        int x, bool visible);
int buttonClicks(WindowHandle dialog, WindowHandle button);
// Removes the wake messages (kWakeMessage) waiting in the calling thread's
// queue for `window`: how many had no parameters.
int takeWakeMessages(WindowHandle window);
std::uint32_t currentProcessId();
// SetEnvironmentVariableA for the calling process; with no value, removes it.
void setEnvironmentVariable(const std::string& name, const std::string& value);
void removeEnvironmentVariable(const std::string& name);

// A hidden top-level window on a thread of its own, which gets stuck in its
// WM_CLOSE handler, reading no message, as a hung program does. Destroying
// this releases the handler, closes the window and ends the thread.
class StuckOnCloseWindow {
 public:
  explicit StuckOnCloseWindow(const std::string& title);
  ~StuckOnCloseWindow();
  StuckOnCloseWindow(const StuckOnCloseWindow&) = delete;
  StuckOnCloseWindow& operator=(const StuckOnCloseWindow&) = delete;

  WindowHandle window() const { return window_; }

 private:
  void* release_;  // a manual-reset event HANDLE
  WindowHandle window_ = 0;
  std::thread thread_;
};

}  // namespace sc::win32
