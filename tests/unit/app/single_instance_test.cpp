// One copy of the program per user: a second start brings the first copy's
// window forward and leaves before it does anything the first copy would see.
#include <set>

#include "app/frm_main.h"
#include "app/program.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

using Input = sim::DesktopInput;

class SingleInstanceTest : public MainWindowTest {
 protected:
  // A start of the program on the same simulated session, with its own
  // window backend; whether it got as far as its message loop.
  int StartAnotherCopy(bool* reachedLoop) {
    HeadlessUi otherUi;
    otherUi.loop = [reachedLoop](Form&) { *reachedLoop = true; };
    WatchBlock otherWatch;
    ResponderOptions otherOptions;
    DialogWatcherContext otherWatcher{sim.desktop, sim.system, sim.threads, otherWatch,
                                      otherOptions};
    const int result = RunProgram(sim.platform(), otherUi, otherWatcher);
    EXPECT_TRUE(otherUi.recordedBoxes.shown.empty());
    EXPECT_EQ(otherWatch.MainWindow.load(), 0u);
    return result;
  }
};

TEST_F(SingleInstanceTest, SecondStartRestoresTheFirstWindowAndLeavesEverythingElseAlone) {
  InstallManagerAndPlayers();
  WindowHandle firstWindow = 0;
  bool secondReachedLoop = false;
  int secondResult = -1;
  ui.loop = [&](Form& first) {
    // The first copy's window as other programs see it, minimized.
    firstWindow = sim.desktop.addWindow(first.caption());
    sim.desktop.setMinimized(firstWindow, true);
    secondResult = StartAnotherCopy(&secondReachedLoop);
  };
  EXPECT_EQ(RunProgram(sim.platform(), ui, watcher), 0);

  EXPECT_EQ(secondResult, 0);
  EXPECT_FALSE(secondReachedLoop);
  EXPECT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});
  EXPECT_EQ(sim.threads.starts().size(), 1u) << "only the first copy's responder";
  EXPECT_EQ(sim.desktop.inputs(), (std::vector<Input>{{Input::Kind::BringToFront, firstWindow}}));
  EXPECT_EQ(sim.desktop.foreground(), firstWindow);
  EXPECT_FALSE(sim.desktop.isMinimized(firstWindow));
  EXPECT_EQ(sim.instance.signalled(), std::set<std::string>{kInstanceName});
}

// The first copy may not have its window yet: the second leaves all the same.
TEST_F(SingleInstanceTest, WhileAnotherCopyHoldsTheNameNothingIsSentStartedOrWritten) {
  InstallManagerAndPlayers();
  ASSERT_EQ(sim.instance.claim(kInstanceName), kErrorSuccess);
  bool reachedLoop = false;
  EXPECT_EQ(StartAnotherCopy(&reachedLoop), 0);

  EXPECT_FALSE(reachedLoop);
  EXPECT_TRUE(sim.shell.calls().empty());
  EXPECT_TRUE(sim.threads.starts().empty());
  // A first run would have written its key under one root or the other.
  EXPECT_FALSE(sim.registry.hasKey(kUser, kOwnKey));
  EXPECT_FALSE(sim.registry.hasKey(kMachine, kOwnKey));
  EXPECT_TRUE(sim.desktop.inputs().empty());
  EXPECT_TRUE(sim.instance.signalled().empty());
}

// Nor does the setups' sign that cannot be made (no Global\ namespace).
TEST_F(SingleInstanceTest, ClaimThatCannotBeMadeDoesNotKeepTheProgramFromStarting) {
  InstallManagerAndPlayers();
  sim.instance.failures().always("claim", kErrorAccessDenied);
  sim.instance.failures().always("signalRunning", kErrorAccessDenied);
  sim.desktop.addWindow(kMainCaption);  // a stranger's window of the same caption
  bool reachedLoop = false;
  ui.loop = [&](Form&) { reachedLoop = true; };
  EXPECT_EQ(RunProgram(sim.platform(), ui, watcher), 0);
  EXPECT_TRUE(reachedLoop);
  EXPECT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});
  EXPECT_TRUE(sim.desktop.inputs().empty());
}

}  // namespace
}  // namespace sc::testing
