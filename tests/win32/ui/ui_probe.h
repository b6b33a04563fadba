// The program's windows seen and poked from outside, as another program or a
// person would: for the tests of this backend, so that they too stay clear of
// <windows.h>. The program itself never calls these.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "ui/widgets/control.h"
#include "ui/widgets/form.h"

namespace sc::probe {

WindowHandle childById(WindowHandle parent, int id);
WindowHandle findTopLevel(const char* className, const char* title);
bool exists(WindowHandle window);
std::string className(WindowHandle window);
std::string text(WindowHandle window);  // WM_GETTEXT
// The whole text, however long (WM_GETTEXTLENGTH, then WM_GETTEXT).
std::string wholeText(WindowHandle window);
bool enabled(WindowHandle window);
bool visibleStyle(WindowHandle window);  // WS_VISIBLE, whatever the parent
bool checked(WindowHandle window);       // BM_GETCHECK
bool tabStop(WindowHandle window);
Rect boundsInParent(WindowHandle window);
Rect clientRect(WindowHandle window);
Rect windowRect(WindowHandle window);  // screen coordinates
// The first child in stacking order, and the next one below `window`.
WindowHandle topChild(WindowHandle parent);
WindowHandle nextBelow(WindowHandle window);
bool topMost(WindowHandle window);
// GW_OWNER; a window whose parent is the desktop; the process it belongs to.
WindowHandle owner(WindowHandle window);
bool topLevel(WindowHandle window);
std::uint32_t processOf(WindowHandle window);
// IsIconic; the calling thread's active window.
bool minimized(WindowHandle window);
WindowHandle activeWindow();
// The one-line size of `text` in the control's own font (WM_GETFONT).
Rect textSizeInOwnFont(WindowHandle window, const std::string& text);
std::string fontFace(WindowHandle window);
int fontWeight(WindowHandle window);

// Counts the WM_SETTEXT messages that reach `window` while it lives: the
// window's procedure is subclassed for that time.
class SetTextCounter {
 public:
  explicit SetTextCounter(WindowHandle window);
  SetTextCounter(const SetTextCounter&) = delete;
  SetTextCounter& operator=(const SetTextCounter&) = delete;
  ~SetTextCounter();
  int count() const { return count_; }
  void counted() { ++count_; }
  std::intptr_t previousProcedure() const { return previous_; }

 private:
  WindowHandle window_;
  std::intptr_t previous_ = 0;
  int count_ = 0;
};

void click(WindowHandle button);       // BM_CLICK
void pressMouse(WindowHandle window);  // WM_LBUTTONDOWN and WM_LBUTTONUP at (1,1)
// WM_SETCURSOR sent to `window` as if the pointer moved over `over`: the
// answer. A child passes it up to its parent first.
std::intptr_t hover(WindowHandle window, WindowHandle over);
bool cursorIs(CursorShape shape);
void moveMouse(WindowHandle window);  // WM_MOUSEMOVE
// Moves the real pointer to the middle of `window`, or to a point of its
// client area.
void movePointerOnto(WindowHandle window);
void movePointerTo(WindowHandle window, int x, int y);
void repaintNow(WindowHandle window);
// Whether part of the window waits to be painted (GetUpdateRect).
bool waitsForPaint(WindowHandle window);

std::intptr_t sendCopyData(WindowHandle window, const void* data, std::uint32_t size,
                           std::uintptr_t tag);
std::intptr_t sendCopyDataWithoutPayload(WindowHandle window, std::uint32_t size);
std::intptr_t sendDeviceChange(WindowHandle window, std::uint32_t event, const void* record);
// Posted, with any lParam: the window's thread gets it from its queue.
void postDeviceChange(WindowHandle window, std::uint32_t event, std::intptr_t lParam);
// What the system's default handling answers for the same message.
std::intptr_t defaultDeviceChange(WindowHandle window, std::uint32_t event, const void* record);
std::intptr_t sendClose(WindowHandle window);        // WM_CLOSE
std::intptr_t sendSystemClose(WindowHandle window);  // WM_SYSCOMMAND SC_CLOSE
std::intptr_t queryEndSession(WindowHandle window);  // WM_QUERYENDSESSION
// The registered message Explorer sends when it made the window's taskbar
// button anew.
void taskbarButtonCreated(WindowHandle window);
void pressMinimize(WindowHandle window);  // WM_SYSCOMMAND SC_MINIMIZE
void restore(WindowHandle window);        // ShowWindow SW_RESTORE
void activate(WindowHandle window);       // SetActiveWindow
void postClose(WindowHandle window);
// Presses OK on a message box.
void pressOk(WindowHandle box);

// The calling thread's message queue.
void pumpFor(unsigned milliseconds);
bool pumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
bool takeQuit();  // removes a pending WM_QUIT; true if there was one
std::uint32_t currentThread();
int screenWidth();
int screenHeight();

// Starts this program again with `arguments` and one environment variable
// ("NAME=value"), pumping messages until it ends; its exit code.
int runSelf(const std::string& arguments, const std::string& environment);
std::string environment(const char* name);

}  // namespace sc::probe
