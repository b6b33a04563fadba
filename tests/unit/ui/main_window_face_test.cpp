// The status line's animation, the help button and the window's details.
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

class StatusLineTest : public MainWindowTest {};

TEST_F(StatusLineTest, AnimatedStatesCountDotsOnceASecond) {
  StartReady();
  form->btnWMP.click();
  const char* expected[] = {"Disc Loading .", "Disc Loading ..", "Disc Loading ...",
                            "Disc Loading ", "Disc Loading ."};
  for (const char* text : expected) {
    Advance(1000);
    EXPECT_EQ(form->lblStatus.text(), text);
  }
}

TEST_F(StatusLineTest, InitializingAnimatesFromTheFirstSecond) {
  InstallManagerAndPlayers();
  Start();
  Advance(999);
  EXPECT_EQ(form->lblStatus.text(), "Initializing");
  Advance(1);
  EXPECT_EQ(form->lblStatus.text(), "Initializing .");
}

TEST_F(StatusLineTest, ReadyAndJobDoneStayStillWhileTheCountGoesOn) {
  StartReady();
  const int dots = form->DotCount;
  Advance(3000);
  EXPECT_EQ(form->lblStatus.text(), "Ready");
  EXPECT_EQ(form->DotCount, (dots + 3) % 4);
}

TEST_F(StatusLineTest, HaltedStopsTheAnimationForGood) {
  StartJob();
  NotifyAndSettle({"Autoloader", "Terminate", "", ""});
  Advance(1000);
  EXPECT_FALSE(form->tmrStatus.enabled());
  Volume(kDbtDeviceArrival, 1u << 4);
  Advance(5000);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loaded");
}

class HelpRuleTest : public MainWindowTest {};

TEST_F(HelpRuleTest, ChmBeforePdfBesideTheProgram) {
  const std::string stem = std::string(kProgramDir) + "\\spoolcat.";
  struct Case {
    bool chm;
    bool pdf;
    bool visible;
    const char* extension;
  } cases[] = {{false, false, false, "pdf"},
               {true, false, true, "chm"},
               {false, true, true, "pdf"},
               {true, true, true, "chm"}};
  for (const auto& c : cases) {
    sim.files.remove(stem + "chm");
    sim.files.remove(stem + "pdf");
    if (c.chm) sim.files.addFile(stem + "chm");
    if (c.pdf) sim.files.addFile(stem + "pdf");
    Start();
    EXPECT_EQ(form->btnHelp.visible(), c.visible);
    EXPECT_EQ(TextOf(form->HelpPath), stem + c.extension);
  }
}

}  // namespace
}  // namespace sc::testing

namespace sc::testing {
namespace {

class WindowDetailsTest : public MainWindowTest {};

TEST_F(WindowDetailsTest, HelpAndCompanyLinkOpenThroughTheShell) {
  sim.files.addFile(std::string(kProgramDir) + "\\spoolcat.pdf");
  Start();
  form->btnHelp.click();
  form->lblCompany.click();
  const auto& calls = sim.shell.calls();
  ASSERT_GE(calls.size(), 2u);
  const auto& help = calls[calls.size() - 2];
  EXPECT_EQ(help.file, std::string(kProgramDir) + "\\spoolcat.pdf");
  EXPECT_EQ(help.owner, form->handle());
  EXPECT_EQ(help.parameters, "");
  EXPECT_EQ(help.showCommand, kSwShow);
  EXPECT_EQ(calls.back().file, "https://www.venmora.example/");
}

TEST_F(WindowDetailsTest, HandCursorStaysUntilTheBareWindowIsCrossed) {
  Start();
  form->lblCompany.onMouseMove();
  EXPECT_EQ(ui.cursor, CursorShape::HandPoint);
  form->FormMouseMove();
  EXPECT_EQ(ui.cursor, CursorShape::Arrow);
}

TEST_F(WindowDetailsTest, EachPaintIsEchoedOnce) {
  Start();
  const auto sleeps = [&] {
    return std::count(sim.threads.sleeps().begin(), sim.threads.sleeps().end(), 5u);
  };
  form->FormPaint();
  EXPECT_EQ(sleeps(), 0);
  form->FormPaint();
  EXPECT_EQ(sleeps(), 1);
  form->FormPaint();
  form->FormPaint();
  EXPECT_EQ(sleeps(), 2);
}

}  // namespace
}  // namespace sc::testing
