// A small form with one control of each kind, recording what reaches it, and
// a fixture that attaches it to the real backend with recorded boxes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/widgets/button.h"
#include "ui/widgets/label.h"
#include "ui/widgets/lists.h"
#include "ui/widgets/timer.h"
#include "ui/widgets/ui_backend.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/win32_ui.h"
#include "win32/ui/ui_probe.h"

namespace sc::test {

inline const Font kFormFont;

class TestForm : public Form {
 public:
  TestForm(TimerService& timers, const TextMeasurer& measurer)
      : lblHello("lblHello", "Hello there", {8, 8, 0, 0}, kFormFont, measurer),
        lblStatus("lblStatus", "Initializing", {8, 30, 0, 0}, kFormFont, measurer),
        btnGo("btnGo", "Go", {8, 60, 75, 25}),
        ckxOption("ckxOption", "Option", {8, 90, 150, 17}),
        rgPlayer("rgPlayer", "", {8, 110, 200, 70}),
        cbxList("cbxList", "", {8, 190, 100, 21}),
        memo("memo", "", {120, 190, 100, 40}),
        image("image", "", {8, 240, 120, 17}),
        tmrOnce("tmrOnce", 300, timers) {
    lblStatus.setOwnFont(kFormFont.bolded());
    lblStatus.setHighlightBackground(true);
    btnGo.setTabOrder(1);
    ckxOption.setTabOrder(0);
    rgPlayer.setTabOrder(2);
    rgPlayer.addItem("Windows Media Player");
    rgPlayer.addItem("iTunes");
    for (Control* c : std::initializer_list<Control*>{&lblHello, &lblStatus, &btnGo, &ckxOption,
                                                      &rgPlayer, &cbxList, &memo, &image}) {
      addControl(*c);
    }
    addTimer(tmrOnce);
    setCaption("Spoolcat test:");
    setOuterSize(300, 300);
  }

  void FormCloseQuery(bool& canClose) override {
    ++closeQueries;
    canClose = allowClose;
  }
  void OnQueryEndSession(bool& canEnd, WindowHandle asked) override {
    endSessionAsked = asked;
    FormCloseQuery(canEnd);
  }
  void OnTaskbarButtonCreated() override { ++taskbarButtons; }
  void FormClose() override { ++closes; }
  void FormPaint() override { ++paints; }
  void FormMouseMove() override { ++mouseMoves; }
  void OnCopyData(const std::uint8_t* data, std::uint32_t size) override {
    ++copies;
    copiedNull = data == nullptr;
    copied.assign(data, data + (data ? size : 0));
    copiedSize = size;
  }
  void OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) override {
    ++deviceChanges;
    lastEvent = event;
    hadHeader = header != nullptr;
    if (header) lastHeader = *header;
  }
  void OnWake() override {
    ++wakes;
    if (onWake) onWake();
  }

  Label lblHello;
  Label lblStatus;
  Button btnGo;
  CheckBox ckxOption;
  RadioGroup rgPlayer;
  ComboBox cbxList;
  Memo memo;
  Image image;
  Timer tmrOnce;

  bool allowClose = false;
  int closeQueries = 0, closes = 0, paints = 0, mouseMoves = 0, copies = 0, deviceChanges = 0;
  int wakes = 0;
  int taskbarButtons = 0;
  WindowHandle endSessionAsked = 0;
  std::function<void()> onWake;
  std::vector<std::uint8_t> copied;
  std::uint32_t copiedSize = 0;
  bool copiedNull = false;
  std::uint32_t lastEvent = 0;
  bool hadHeader = false;
  DeviceBroadcast lastHeader;
};

class RecordedBoxes : public MessageBoxes {
 public:
  void showError(const std::string& title, const std::string& text) override {
    errors.push_back(title + "|" + text);
  }
  void showMessage(WindowHandle owner, const std::string& title, const std::string& text) override {
    (void)owner;
    messages.push_back(title + "|" + text);
  }
  std::vector<std::string> errors;
  std::vector<std::string> messages;
};

class UiTest : public ::testing::Test {
 protected:
  UiTest() : form(ui.timers(), ui.measurer()) {}
  ~UiTest() override { probe::takeQuit(); }

  void attach() {
    ui.attach(form);
    window = form.handle();
  }
  WindowHandle child(const Control& control) const { return control.peer()->handle(); }

  RecordedBoxes boxes;
  Win32Ui ui{boxes};
  TestForm form;
  WindowHandle window = 0;
};

}  // namespace sc::test
