// The application's own window: top-level, captioned with the application
// title, zero-sized and never drawn. It owns the main window, so the taskbar
// shows one button for the program, captioned with the title, and the only
// window captioned as the form is the main window that the robot manager
// looks for. It decides nothing: a close goes to the main window and its
// closing rule, an end-session query and the taskbar's "TaskbarButtonCreated"
// go to the form, activating it activates the main window, and minimizing it
// hides the main window until it is restored. It stands on the main window's
// monitor, and shows the main window on the taskbar's thumbnail, where DWM
// draws one.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "ui/widgets/form.h"
#include "ui/win32/iconic_thumbnail.h"
#include "ui/win32/window_procedure.h"

namespace sc {

class ApplicationWindow : public MessageHandler {
 public:
  // `mainWindow` holds the main window's handle, 0 while there is none; the
  // form is reached only while the main window is there.
  ApplicationWindow(const std::atomic<WindowHandle>& mainWindow, Form& form,
                    std::function<void(const std::string&)> showFailure);
  ~ApplicationWindow() override;

  // Creates the window, shown (a hidden window gets no taskbar button) but
  // without an area to show.
  void create(const std::string& title);
  // Moves the window onto the main window's monitor, where the main window
  // is: the taskbar may show the button on its window's monitor.
  void followMainWindow();
  void setTitle(const std::string& title);
  WindowHandle handle() const { return handle_; }
  // The main window looks otherwise: the thumbnail is drawn anew.
  void pictureChanged();

  // MessageHandler
  std::intptr_t handleMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
  void handlerFailed(const std::string& message) override;
  void windowGone() override { handle_ = 0; }

 private:
  void sizeChanged(std::uintptr_t kind);
  bool activateMainWindow();

  const std::atomic<WindowHandle>& mainWindow_;
  Form& form_;
  std::function<void(const std::string&)> showFailure_;
  // Registered by name: every program that asks gets the same number.
  const std::uint32_t taskbarButtonCreated_;
  WindowHandle handle_ = 0;
  bool minimized_ = false;
  IconicThumbnail thumbnail_;
};

}  // namespace sc
