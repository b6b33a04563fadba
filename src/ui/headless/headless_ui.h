// The headless UI backend: widgets without windows, virtual time, and modal
// boxes that are recorded instead of shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/headless/fixed_text_measurer.h"
#include "ui/headless/virtual_clock.h"
#include "ui/widgets/label.h"
#include "ui/widgets/ui_backend.h"

namespace sc {

class RecordingBoxes : public MessageBoxes {
 public:
  struct Shown {
    bool error;
    WindowHandle owner;
    std::string title;
    std::string text;
  };
  void showError(const std::string& title, const std::string& text) override;
  void showMessage(WindowHandle owner, const std::string& title, const std::string& text) override;

  std::vector<Shown> shown;
  // Runs while a box is "open", as the nested modal loop would run messages.
  std::function<void()> whileOpen;
};

class HeadlessUi : public UiBackend {
 public:
  TimerService& timers() override { return clock; }
  MessageBoxes& boxes() override { return recordedBoxes; }
  const TextMeasurer& measurer() override { return fixedMeasurer; }
  void setCursor(CursorShape shape) override { cursor = shape; }
  void setApplicationTitle(const std::string& title) override { applicationTitle = title; }
  void attach(Form& form) override { (void)form; }
  void run(Form& form, const std::string& title) override;

  VirtualClock clock;
  RecordingBoxes recordedBoxes;
  FixedTextMeasurer fixedMeasurer;
  CursorShape cursor = CursorShape::Arrow;
  std::string applicationTitle;
  // Runs as the message loop; headless the form is simply closed if asked.
  std::function<void(Form&)> loop;
};

}  // namespace sc
