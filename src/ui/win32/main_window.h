// The main window: the form's peer and the humble procedure behind it. It
// decodes the window's messages into plain values and calls the portable form
// or the child's own window object; it decides nothing itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/widgets/form.h"
#include "ui/win32/child_window.h"
#include "ui/win32/window_procedure.h"

namespace sc {

class FontCache;
class TextMeasurer;
class Win32Timers;

struct MainWindowSetup {
  FontCache* fonts = nullptr;
  const TextMeasurer* measurer = nullptr;
  const Font* windowFont = nullptr;
  Win32Timers* timers = nullptr;
  // Where the window publishes its handle for the message loop; 0 once it is gone.
  std::atomic<WindowHandle>* published = nullptr;
  // Shows an exception that escaped a handler.
  std::function<void(const std::string&)> showFailure;
  // The application's window, which owns this one; 0: none.
  WindowHandle owner = 0;
  // A control's text, state or place changed what the window looks like.
  std::function<void()> pictureChanged;
  // The window moved, perhaps onto another monitor.
  std::function<void()> moved;
};

class MainWindow : public MessageHandler, public FormPeer {
 public:
  MainWindow(Form& form, MainWindowSetup setup);
  ~MainWindow() override;

  // Creates the hidden window and one child per control, and attaches peers.
  void create();
  void setCursor(std::uintptr_t cursor);

  // FormPeer
  WindowHandle handle() const override { return handle_; }
  void captionChanged(const Form& form) override;
  void sizeChanged(const Form& form) override;
  void shown(const Form& form) override;
  void topMostChanged(const Form& form) override;
  void invalidate() override;
  void closed() override;

  // MessageHandler
  std::intptr_t handleMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
  void handlerFailed(const std::string& message) override;
  void windowGone() override;

 private:
  void createChildren();
  void stackForTabbing();
  ChildWindow* childOf(WindowHandle window) const;
  std::intptr_t setCursorMessage(std::uintptr_t wParam, std::intptr_t lParam);
  void paint();
  void rememberFocus();
  bool restoreFocus();

  Form& form_;
  MainWindowSetup setup_;
  WindowHandle handle_ = 0;
  std::uintptr_t cursor_ = 0;  // an HCURSOR
  bool centred_ = false;
  // The control that had the keyboard focus when the window was last
  // deactivated; it gets the focus back when the window is activated again.
  WindowHandle focusWhenDeactivated_ = 0;
  bool detached_ = false;  // the backend is going: the form may be gone already
  std::vector<std::unique_ptr<ChildWindow>> children_;  // index = ID - 1000
};

}  // namespace sc
