// The state and events of a top-level window. The real backend mirrors it into
// an HWND and decodes the window's messages into the virtual calls below; the
// window procedure itself decides nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/device_broadcast.h"
#include "platform/platform.h"

namespace sc {

class Control;
class Timer;

enum class CursorShape { Arrow, HandPoint };

class Form;

class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual WindowHandle handle() const = 0;
  virtual void captionChanged(const Form& form) = 0;
  virtual void sizeChanged(const Form& form) = 0;
  virtual void shown(const Form& form) = 0;
  virtual void topMostChanged(const Form& form) = 0;
  virtual void invalidate() = 0;
  // After FormClose: the window goes and the message loop ends.
  virtual void closed() = 0;
};

class Form {
 public:
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);

  bool visible() const { return visible_; }
  void show();

  // The non-client frame: outer size minus client size. The real backend
  // measures it for the window's style; headless it is a fixed frame.
  void setFrame(int horizontal, int vertical);
  int outerWidth() const { return outerWidth_; }
  int outerHeight() const { return outerHeight_; }
  int clientWidth() const { return outerWidth_ - frameHorizontal_; }
  int clientHeight() const { return outerHeight_ - frameVertical_; }
  void setOuterSize(int width, int height);
  // Keeps the outer width; the outer height follows.
  void setClientHeight(int height);

  bool topMost() const { return topMost_; }
  void setTopMost(bool topMost);
  void invalidate();

  // The window's system handle; headless a fixed stand-in.
  WindowHandle handle() const;

  // A close request from any path (close box, Alt+F4, system menu, a button):
  // the close query decides; if allowed, FormClose runs and the window goes.
  bool close();
  // The system asks `asked`, the main window or the application's window,
  // whether the session may end: the form's answer.
  bool queryEndSession(WindowHandle asked);
  bool queryEndSession() { return queryEndSession(handle()); }
  // The session ends now (`ending`), or a query that was granted was cancelled.
  void endSession(bool ending) { OnEndSession(ending); }
  // The taskbar made the program's button anew (Explorer restarted).
  void taskbarButtonCreated() { OnTaskbarButtonCreated(); }
  bool isClosed() const { return closed_; }

  // The controls and timers in creation order, for the backend.
  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<Timer*>& timers() const { return timers_; }

  void attachPeer(FormPeer* peer) { peer_ = peer; }
  FormPeer* peer() const { return peer_; }

  // Events, named as the form design binds them.
  virtual void FormCreate() {}
  virtual void FormCloseQuery(bool& canClose) { canClose = true; }
  virtual void FormClose() {}
  virtual void FormPaint() {}
  virtual void FormMouseMove() {}
  // Messages the window class handles itself.
  virtual void OnCopyData(const std::uint8_t* data, std::uint32_t size) {
    (void)data;
    (void)size;
  }
  virtual void OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) {
    (void)event;
    (void)header;
  }
  // The wake message: another thread of the program has flagged something
  // for the window thread. It carries nothing; the form looks at its flags.
  virtual void OnWake() {}
  // Whether the session may end: by default the close query decides.
  virtual void OnQueryEndSession(bool& canEnd, WindowHandle asked) {
    (void)asked;
    FormCloseQuery(canEnd);
  }
  // The session ends: the program is ended after this returns, with no close.
  virtual void OnEndSession(bool ending) { (void)ending; }
  // What the button showed is gone with it.
  virtual void OnTaskbarButtonCreated() {}

 protected:
  void addControl(Control& control) { controls_.push_back(&control); }
  void addTimer(Timer& timer) { timers_.push_back(&timer); }

 private:
  std::string caption_;
  bool visible_ = false;
  int outerWidth_ = 0;
  int outerHeight_ = 0;
  int frameHorizontal_ = 6;
  int frameVertical_ = 25;
  bool topMost_ = false;
  bool closed_ = false;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  FormPeer* peer_ = nullptr;
};

}  // namespace sc
