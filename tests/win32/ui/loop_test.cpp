// The message loop, the wake from other threads, timers set before the
// window, and the real boxes' nested loop.
#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/win32/win32_desktop.h"
#include "test_form.h"

namespace sc::test {
namespace {

using LoopTest = UiTest;

TEST_F(LoopTest, RunShowsEscapedExceptionsAndGoesOnUntilClosed) {
  attach();
  form.btnGo.onClick = [] { throw std::runtime_error("boom"); };
  int step = 0;
  form.onWake = [&] {
    ++step;
    if (step == 1) probe::click(child(form.btnGo));
    if (step == 2) throw 42;
    if (step == 3) {
      form.allowClose = true;
      form.close();
    }
  };
  win32::Win32Desktop desktop;
  for (int i = 0; i < 3; ++i) desktop.postWake(window);
  ui.run(form, "Spoolcat");
  EXPECT_EQ(boxes.errors, (std::vector<std::string>{"Spoolcat|boom", "Spoolcat|"}));
  EXPECT_EQ(form.closes, 1);
}

TEST_F(LoopTest, WakeFromAnotherThreadReachesTheFormOnTheWindowThread) {
  attach();
  std::uint32_t ranOn = 0;
  form.onWake = [&] { ranOn = probe::currentThread(); };
  std::thread responder([&] { win32::Win32Desktop().postWake(window); });
  responder.join();
  EXPECT_TRUE(probe::pumpUntil([&] { return ranOn != 0; }, 3000));
  EXPECT_EQ(ranOn, probe::currentThread());
  EXPECT_EQ(form.wakes, 1);
}

TEST_F(LoopTest, TimerStartedBeforeTheWindowRunsOnceItExists) {
  int ticks = 0;
  form.tmrOnce.onTimer = [&] {
    form.tmrOnce.setEnabled(false);
    ++ticks;
  };
  form.tmrOnce.setEnabled(true);
  attach();
  EXPECT_TRUE(probe::pumpUntil([&] { return ticks > 0; }, 3000));
}

// The notice and the timer must get through while a box is up.
TEST(RealBoxesTest, MainWindowKeepsReceivingWhileABoxIsUp) {
  Win32Ui ui;
  TestForm form(ui.timers(), ui.measurer());
  ui.attach(form);
  std::atomic<int> ticks{0};
  form.tmrOnce.onTimer = [&] {
    form.tmrOnce.setEnabled(false);
    ++ticks;
  };
  std::thread outsider([&] {
    WindowHandle box = 0;
    probe::pumpUntil([&] { return (box = probe::findTopLevel("#32770", "Box test")) != 0; }, 10000);
    const std::uint8_t notice[] = {'x'};
    probe::sendCopyData(form.handle(), notice, sizeof notice, 0);
    probe::pumpUntil([&] { return ticks > 0; }, 5000);
    probe::pressOk(box);
  });
  form.tmrOnce.setEnabled(true);
  ui.boxes().showMessage(form.handle(), "Box test", "Waiting");
  outsider.join();
  EXPECT_EQ(form.copies, 1);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace sc::test
