// Other programs' windows: top-level windows in Z order, each with its child
// windows, and a record of what was sent to them (WM_CLOSE, the foreground
// requests, the mouse clicks and the wake messages).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

// A foreground request or a mouse message, as the program sent it.
struct DesktopInput {
  enum class Kind { Foreground, BringToFront, MouseDown, MouseUp };
  Kind kind;
  WindowHandle window;
  std::uintptr_t wParam = 0;  // 0 for Foreground and BringToFront
  std::intptr_t lParam = 0;

  bool operator==(const DesktopInput& other) const {
    return kind == other.kind && window == other.window && wParam == other.wParam &&
           lParam == other.lParam;
  }
};

class SimDesktop final : public Desktop {
 public:
  // The class of the windows addWindow() makes.
  static constexpr char kPlainClassName[] = "SimWindow";

  // What a window does with WM_CLOSE.
  enum class OnClose {
    Closes,  // answers and goes, with everything below it
    Stays,   // answers and stays open
    Hangs    // never answers: every wait for it runs out, and sendClose is false
  };

  WindowHandle findWindowByTitle(const char* title) override;
  bool sendClose(WindowHandle window, std::uint32_t waitMs) override;
  WindowHandle firstWindow(WindowHandle window) override;
  WindowHandle nextWindow(WindowHandle window) override;
  void className(WindowHandle window, FixedText<256>& name) override;
  WindowHandle nextChild(WindowHandle parent, WindowHandle after) override;
  bool isVisible(WindowHandle window) override;
  bool windowLeft(WindowHandle window, int* left) override;
  void setForeground(WindowHandle window) override;
  void bringToFront(WindowHandle window) override;
  void sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void postWake(WindowHandle window) override;

  // A visible top-level window, placed on top of the Z order as Windows places
  // a new one, at screen x 0.
  WindowHandle addTopLevel(const std::string& className, const std::string& title,
                           OnClose onClose = OnClose::Closes);
  WindowHandle addWindow(const std::string& title, OnClose onClose = OnClose::Closes) {
    return addTopLevel(kPlainClassName, title, onClose);
  }
  // A child window after the parent's other children; `left` is its screen x.
  // 0 when the parent does not exist.
  WindowHandle addChild(WindowHandle parent, const std::string& className, const std::string& text,
                        bool visible, int left);
  void setVisible(WindowHandle window, bool visible);
  void setLeft(WindowHandle window, int left);
  // A minimized top-level window; bringToFront restores it.
  void setMinimized(WindowHandle window, bool minimized);
  bool isMinimized(WindowHandle window) const;
  // The window and everything below it.
  void removeWindow(WindowHandle window);
  bool isOpen(WindowHandle window) const;

  // Every WM_CLOSE sent, in order, open window or not, and how long each
  // sender was willing to wait for the answer.
  const std::vector<WindowHandle>& closeRequests() const { return closeRequests_; }
  const std::vector<std::uint32_t>& closeWaits() const { return closeWaits_; }
  // Runs inside each WM_CLOSE sent, so a test can look at the world then.
  void setCloseHook(std::function<void(WindowHandle)> hook) { closeHook_ = std::move(hook); }

  // Every foreground request and mouse message, in order, open window or not.
  const std::vector<DesktopInput>& inputs() const { return inputs_; }
  // The last top-level window made the foreground one; 0 before any.
  WindowHandle foreground() const { return foreground_; }
  // Runs inside each mouse message that reaches an open window: the window's
  // answer, e.g. a dialog closing itself when its button is clicked.
  void setMouseHook(std::function<void(const DesktopInput&)> hook) { mouseHook_ = std::move(hook); }

  // The windows that wake messages were posted to since the last take, in
  // order: the messages waiting in the queues, which the test delivers.
  std::vector<WindowHandle> takeWakes();

  // Each operation's subject is the window's title or text, its detail the
  // window's class. findWindow (subject: the title sought; not found),
  // sendClose (recorded, not delivered: false), firstWindow, nextWindow, nextChild
  // (subject and detail: the window asked about, or the parent; answer 0),
  // className (""), isVisible (false), windowLeft (false, `left` untouched),
  // setForeground and bringToFront (recorded, the window stays as it was,
  // and so does the foreground), sendMouseDown and
  // sendMouseUp (recorded, not delivered: no hook).
  FailurePlan& failures() { return failures_; }

 private:
  struct Window {
    WindowHandle handle;
    WindowHandle parent;  // 0 for a top-level window
    std::string className;
    std::string title;
    bool visible;
    int left;
    OnClose onClose;
    bool minimized = false;
  };
  Window* find(WindowHandle window);
  const Window* find(WindowHandle window) const;
  bool fails(const char* operation, WindowHandle window);
  // The windows under `parent` (0: the top-level ones) from the top of their Z order.
  std::vector<WindowHandle> siblings(WindowHandle parent) const;
  WindowHandle after(WindowHandle parent, WindowHandle window) const;
  void sendMouse(DesktopInput::Kind kind, const char* operation, WindowHandle window,
                 std::uintptr_t wParam, std::intptr_t lParam);

  std::vector<Window> windows_;  // oldest first
  std::vector<WindowHandle> closeRequests_;
  std::vector<std::uint32_t> closeWaits_;
  std::function<void(WindowHandle)> closeHook_;
  std::vector<DesktopInput> inputs_;
  std::function<void(const DesktopInput&)> mouseHook_;
  std::vector<WindowHandle> wakes_;
  WindowHandle foreground_ = 0;
  WindowHandle nextHandle_ = 0x10010;
  FailurePlan failures_;
};

}  // namespace sc::sim
