// Other programs' top-level windows, by title, and the WM_CLOSE sent to them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

class SimDesktop final : public Desktop {
 public:
  WindowHandle findWindowByTitle(const char* title) override;
  void sendClose(WindowHandle window) override;

  // A window that goes away on WM_CLOSE unless told to ignore it.
  WindowHandle addWindow(const std::string& title, bool closesOnClose = true);
  void removeWindow(WindowHandle window);
  bool isOpen(WindowHandle window) const;
  // Every WM_CLOSE sent, in order, open window or not.
  const std::vector<WindowHandle>& closeRequests() const { return closeRequests_; }
  // Runs inside each WM_CLOSE sent, so a test can look at the world then.
  void setCloseHook(std::function<void(WindowHandle)> hook) { closeHook_ = std::move(hook); }

  // Operations findWindow (subject: the title; the window is not found) and
  // sendClose (the message is recorded but not delivered).
  FailurePlan& failures() { return failures_; }

 private:
  struct Window {
    WindowHandle handle;
    std::string title;
    bool closesOnClose;
  };
  std::vector<Window> windows_;  // oldest first
  std::vector<WindowHandle> closeRequests_;
  std::function<void(WindowHandle)> closeHook_;
  WindowHandle nextHandle_ = 0x10010;
  FailurePlan failures_;
};

}  // namespace sc::sim
