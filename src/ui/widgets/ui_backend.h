// The application object's services: its title, its modal boxes, the
// application-wide cursor and the message loop. One backend each for Win32 and
// for headless tests.
#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/widgets/form.h"

namespace sc {

class TimerService;
class TextMeasurer;

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // The exception box: modal, error icon, one OK button.
  virtual void showError(const std::string& title, const std::string& text) = 0;
  // A modal box with one OK button, owned by `owner`; returns when dismissed.
  virtual void showMessage(WindowHandle owner, const std::string& title,
                           const std::string& text) = 0;
};

class UiBackend {
 public:
  virtual ~UiBackend() = default;
  virtual TimerService& timers() = 0;
  virtual MessageBoxes& boxes() = 0;
  virtual const TextMeasurer& measurer() = 0;
  virtual void setCursor(CursorShape shape) = 0;
  // The application's title: on Windows also the caption of the window that
  // stands for the program on the taskbar.
  virtual void setApplicationTitle(const std::string& title) = 0;
  // Creates the window and its controls (hidden) and attaches their peers.
  virtual void attach(Form& form) = 0;
  // Runs the message loop until the form has closed. Exceptions escaping an
  // event handler are shown in the error box titled `title`, and the loop
  // goes on.
  virtual void run(Form& form, const std::string& title) = 0;
};

}  // namespace sc
