// The real widget backend: the form and its controls as Win32 windows, timers
// over SetTimer, MessageBoxA boxes and the thread's message loop. The backend
// must outlive the form it is attached to.
//
// The main window's class is "TfrmMain". It is owned by the application's
// window (class "SpoolcatApplication", captioned with the application title),
// which stands for the program on the taskbar. The main window's children have
// control IDs 1000 + their index in the form's creation order, and a radio
// group's buttons 1100 + item index inside the group box (see control_ids.h).
#pragma once

#include <memory>
#include <string>

#include "ui/widgets/ui_backend.h"

namespace sc {

class Win32Ui : public UiBackend {
 public:
  Win32Ui();
  // Error and message boxes go to `boxes` instead of MessageBoxA (tests).
  explicit Win32Ui(MessageBoxes& boxes);
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  TimerService& timers() override;
  MessageBoxes& boxes() override;
  const TextMeasurer& measurer() override;
  void setCursor(CursorShape shape) override;
  void setApplicationTitle(const std::string& title) override;
  void attach(Form& form) override;
  void run(Form& form, const std::string& title) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sc
