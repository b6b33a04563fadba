#include <stdexcept>

#include "app/command_line.h"
#include "app/program.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, ChecksWithTheManagerBeforeTheWindowIsShown) {
  InstallManagerAndPlayers();
  bool visibleAtCheck = true;
  std::string captionAtCheck;
  sim.shell.setHook([&](const sim::ShellCall&) {
    visibleAtCheck = form->visible();
    captionAtCheck = form->caption();
  });
  Start();
  ASSERT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});
  const auto& call = sim.shell.calls().front();
  EXPECT_EQ(call.owner, form->handle());
  EXPECT_EQ(call.operation, "open");
  EXPECT_EQ(call.file, std::string(kProgramDir) + "\\ketmgr.exe");
  EXPECT_EQ(call.directory, "");
  EXPECT_EQ(call.showCommand, kSwHide);
  EXPECT_FALSE(visibleAtCheck);
  EXPECT_EQ(captionAtCheck, "Spoolcat:");
  EXPECT_EQ(watch.MainWindow.load(), form->handle());
}

TEST_F(StartupTest, StartsInitializingWithExitAndRippingDisabled) {
  InstallManagerAndPlayers();
  Start();
  EXPECT_EQ(form->lblStatus.text(), "Initializing");
  EXPECT_EQ(form->StatusCode, 0);
  EXPECT_FALSE(form->btnWMP.enabled());
  EXPECT_FALSE(form->btnExit.enabled());
  EXPECT_FALSE(form->btnHelp.visible());
  EXPECT_FALSE(form->cbxWriters.visible());
  EXPECT_FALSE(form->Memo1.visible());
  EXPECT_EQ(application.title, "Spoolcat");
  // The responder thread is started idle, before the window has a handle,
  // with the context the program was given.
  ASSERT_EQ(sim.threads.starts().size(), 1u);
  EXPECT_EQ(sim.threads.starts()[0].argument, &watcher);
  EXPECT_FALSE(watch.WatchActive);
}

TEST_F(StartupTest, CloseIsRefusedWhileExitIsDisabledAndAllowedAfterwards) {
  InstallManagerAndPlayers();
  Start();
  EXPECT_FALSE(form->close());
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_FALSE(form->isClosed());
  EXPECT_TRUE(sim.threads.terminations().empty());

  form->btnExit.setEnabled(true);
  EXPECT_TRUE(form->queryEndSession());
  form->btnExit.click();
  EXPECT_TRUE(form->isClosed());
}

// A player stuck in WM_CLOSE, or hung, changes nothing but the answer: the
// program waits for it no longer than it may without looking hung itself.
class CloseTest : public MainWindowTest,
                  public ::testing::WithParamInterface<sim::SimDesktop::OnClose> {};

INSTANTIATE_TEST_SUITE_P(Player, CloseTest,
                         ::testing::Values(sim::SimDesktop::OnClose::Closes,
                                           sim::SimDesktop::OnClose::Hangs),
                         [](const auto& info) {
                           return info.param == sim::SimDesktop::OnClose::Hangs ? "Hangs"
                                                                                : "Closes";
                         });

TEST_P(CloseTest, StopsTheWatcherThenClosesThePlayerThenSaves) {
  InstallManagerAndPlayers();
  const WindowHandle player = sim.desktop.addWindow("Windows Media Player", GetParam());
  Start();
  form->btnExit.setEnabled(true);
  form->ckxReplaceExitFile.setChecked(false);
  bool watcherStoppedFirst = false;
  bool savedBeforePlayerClosed = true;
  sim.desktop.setCloseHook([&](WindowHandle) {
    watcherStoppedFirst = sim.threads.terminations().size() == 1;
    savedBeforePlayerClosed =
        sim.registry.value(kUser, kOwnKey, "Replace existing songs").has_value();
  });
  ASSERT_TRUE(form->close());
  EXPECT_TRUE(watcherStoppedFirst);
  EXPECT_FALSE(savedBeforePlayerClosed);
  EXPECT_EQ(sim.threads.terminations().size(), 1u);
  EXPECT_EQ(sim.threads.terminations().back().second, kStillActive);
  EXPECT_EQ(sim.desktop.closeRequests(), std::vector<WindowHandle>{player});
  // Windows takes a program that has not read its messages for 5 s for hung.
  EXPECT_GT(sim.desktop.closeWaits().at(0), 0u);
  EXPECT_LT(sim.desktop.closeWaits().at(0), 5000u);
  EXPECT_EQ(sim.registry.dwordValue(kUser, kOwnKey, "Replace existing songs"), 0u);
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, "Ripping Application"),
            "Windows Media Player");
}

TEST_F(StartupTest, WatcherWhoseExitCodeCannotBeReadIsLeftRunning) {
  InstallManagerAndPlayers();
  Start();
  sim.threads.failures().always("exitCode", 6);
  form->btnExit.setEnabled(true);
  ASSERT_TRUE(form->close());
  EXPECT_TRUE(sim.threads.terminations().empty());
  EXPECT_TRUE(sim.registry.hasKey(kUser, kOwnKey));
}

TEST_F(StartupTest, ExceptionInFormCreateIsShownAndTheWindowStillAppears) {
  InstallManagerAndPlayers();
  sim.shell.setHook([](const sim::ShellCall&) { throw std::runtime_error("no shell"); });
  bool shownWhenLoopRan = false;
  ui.loop = [&](Form& window) { shownWhenLoopRan = window.visible(); };
  EXPECT_EQ(RunProgram(sim.platform(), ui, watcher), 0);
  ASSERT_EQ(ui.recordedBoxes.shown.size(), 1u);
  EXPECT_TRUE(ui.recordedBoxes.shown[0].error);
  EXPECT_EQ(ui.recordedBoxes.shown[0].title, "Spoolcat");
  EXPECT_EQ(ui.recordedBoxes.shown[0].text, "no shell");
  EXPECT_TRUE(shownWhenLoopRan);
  EXPECT_EQ(ui.applicationTitle, "Spoolcat") << "the program's caption on the taskbar";
}

TEST_F(StartupTest, AnyExceptionEscapingTheRunIsShownWithAnEmptyMessage) {
  ui.loop = [](Form&) { throw 42; };
  EXPECT_EQ(RunProgram(sim.platform(), ui, watcher), 0);
  ASSERT_EQ(ui.recordedBoxes.shown.size(), 1u);
  EXPECT_EQ(ui.recordedBoxes.shown[0].title, "Spoolcat");
  EXPECT_EQ(ui.recordedBoxes.shown[0].text, "");
}

struct BareCase {
  const char* commandLine;
  bool bare;
};

TEST(StartedBareTest, LastPathPieceDecides) {
  const BareCase cases[] = {
      {"\"C:\\Program Files\\Spoolcat\\spoolcat.exe\"", true},
      {"C:\\Apps\\spoolcat.exe", true},
      {"C:\\Apps\\spoolcat.exe ", true},
      {"C:\\Apps\\spoolcat.exe /silent", false},
      {"C:\\Apps\\spoolcat.exe D:\\Music\\rips", true},
      {"C:\\Apps\\spoolcat.exe D:\\My Music\\a b", false},
      {"spoolcat", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsStartedBare(c.commandLine), c.bare) << c.commandLine;
}

}  // namespace
}  // namespace sc::testing
