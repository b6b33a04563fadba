// The window's layout, the status line's animation and the help button.
#include "unit/app/main_window_fixture.h"

namespace sc::testing {
namespace {

class LayoutTest : public MainWindowTest {
 protected:
  void SetUp() override { InstallManagerAndPlayers(); }
};

TEST_F(LayoutTest, EverythingHangsOffTheMargin) {
  Start();
  const int width = form->clientWidth();
  EXPECT_EQ(form->outerWidth(), 300);
  EXPECT_EQ(form->RadioGroup1.top(), 2);
  EXPECT_EQ(form->RadioGroup1.left(), 8);
  EXPECT_EQ(form->RadioGroup1.right(), width - 8);
  EXPECT_EQ(form->RadioGroup1.bottom(), form->lblStatus.top() - 8);
  EXPECT_EQ(form->Image1.height(), form->lblStatus.height() + 2);
  EXPECT_EQ(form->Image1.width(), width - 16);
  EXPECT_EQ(form->lblStatus.left(), form->Image1.left() + 6);
  EXPECT_EQ(form->lblStatus.top(), form->Image1.top() + 1);
  EXPECT_EQ(form->btnWMP.top(), form->Image1.bottom() + 8);
  EXPECT_EQ(form->btnExit.right(), width - 8);
  EXPECT_EQ(form->btnHelp.left(), (form->btnWMP.left() + form->btnExit.left()) / 2);
  EXPECT_EQ(form->lblCompany.right(), width - 8);
  EXPECT_EQ(form->lblVersion.top(), form->btnWMP.bottom() + 8);
  EXPECT_EQ(form->clientHeight(), form->lblCompany.bottom() + 8);
  // With the options hidden the second pass lands where the first one did.
  EXPECT_EQ(form->outerHeight(), 200);
}

TEST_F(LayoutTest, ITunesStacksTheOptionsUnderTheStatusBox) {
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  Start();
  const int boxBottom = form->Image1.bottom();
  EXPECT_EQ(form->ckxRippingNoneCDB.top(), boxBottom + 8);
  EXPECT_EQ(form->ckxAlternateOutputt.top(), form->ckxRippingNoneCDB.bottom() + 8);
  EXPECT_EQ(form->ckxReplaceExitFile.top(), form->ckxAlternateOutputt.bottom() + 8);
  EXPECT_EQ(form->btnWMP.top(), form->ckxReplaceExitFile.bottom() + 8);
  EXPECT_EQ(form->ckxReplaceExitFile.width(), form->Image1.width());
  EXPECT_EQ(form->outerHeight(), 275);
  const Rect group = form->RadioGroup1.bounds();
  form->RadioGroup1.clickItem(0);
  EXPECT_EQ(form->outerHeight(), 200);
  EXPECT_EQ(form->RadioGroup1.bounds().top, group.top);
  EXPECT_EQ(form->Image1.bottom(), boxBottom);
}

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
  EXPECT_EQ(calls.back().file, "http://www.venmora.com/");
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
