// The user's notify command as the window runs it: the facts it is given, the
// PC kept awake for it a while, and a command that cannot start, which costs
// the job nothing. Which moments run it, the machine's table holds.
#include "platform/environment_block.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
constexpr const char* kTool = "C:\\Tools\\notify.exe";

class NotifyTest : public MainWindowTest {
 protected:
  std::string Told(const char* name) const {
    return VariableIn(sim.launcher.calls().back().environment, name).value_or("(none)");
  }
  std::string TooltipEnd() const {
    const std::string tip = sim.taskbar.tooltip(form->handle());
    return tip.substr(tip.rfind('\n') + 1);
  }
};

TEST_F(NotifyTest, JobDoneTellsTheFiguresAndKeepsThePcAwakeTwoMinutesMore) {
  sim.launcher.install(kTool);
  sim.launcher.setVariable("TOOLS", "C:\\Tools");
  const std::string stored = "%TOOLS%\\notify.exe --mail";
  std::vector<std::uint8_t> bytes(stored.begin(), stored.end());
  bytes.push_back(0);
  sim.registry.putValue(kUser, kOwnKey, kNotifyCommandValue, {kRegExpandSz, bytes});
  StartReady();
  form->btnWMP.click();
  RipDisc("reject");
  RipDisc("unload");
  Answer("load", "Error", "No more discs");
  ASSERT_EQ(sim.launcher.calls().size(), 1u);
  EXPECT_EQ(sim.launcher.calls()[0].commandLine, std::string(kTool) + " --mail");
  EXPECT_EQ(sim.launcher.calls()[0].folder, "C:\\Users\\Night");
  EXPECT_EQ(Told("SPOOLCAT_EVENT"), "done");
  EXPECT_EQ(Told("SPOOLCAT_STATUS"), "Job Done");
  EXPECT_EQ(Told("SPOOLCAT_SUMMARY"), sim.taskbar.tooltip(form->handle()));
  EXPECT_EQ(Told("SPOOLCAT_LOADED") + Told("SPOOLCAT_UNLOADED") + Told("SPOOLCAT_REJECTED"), "211");
  EXPECT_EQ(Told("SPOOLCAT_STARTED"), "08/12/2026 22:14");
  EXPECT_EQ(Told("PATH"), "C:\\Windows\\system32;C:\\Windows");
  Advance(2 * 60 * 1000 - 1);
  EXPECT_TRUE(sim.session.awake());
  Advance(1);
  EXPECT_FALSE(sim.session.awake());
}

TEST_F(NotifyTest, ACommandThatCannotStartLeavesTheJobGoingAndTheTooltipSayingSo) {
  sim.registry.putString(kUser, kOwnKey, kNotifyCommandValue, kTool);
  StartReady();
  form->btnWMP.click();
  Answer("load", "OK");
  Advance(5 * 60 * 1000);
  ASSERT_EQ(sim.launcher.calls().size(), 1u);
  const std::string failed =
      "The notify command could not be started: The system cannot find the file specified.";
  EXPECT_EQ(TooltipEnd(), failed);
  Volume(kDbtDeviceArrival, kDriveE);
  EXPECT_EQ(Told("SPOOLCAT_EVENT"), "going-on");
  EXPECT_EQ(form->lblStatus.text().rfind("Disc Loaded", 0), 0u);
  EXPECT_EQ(sim.taskbar.progress(form->handle()), TaskbarProgress::Indeterminate);
  EXPECT_TRUE(sim.session.awake());
  EXPECT_EQ(TooltipEnd(), failed);
  // The next command that starts takes the line away.
  sim.launcher.install(kTool);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  Advance(5 * 60 * 1000);
  EXPECT_EQ(Told("SPOOLCAT_EVENT"), "stuck");
  const std::string tip = sim.taskbar.tooltip(form->handle());
  EXPECT_EQ(tip.rfind("No answer from the robot to the unload since 22:14\r\n", 0), 0u) << tip;
  EXPECT_EQ(tip.find("could not be started"), std::string::npos) << tip;
}

TEST_F(NotifyTest, ASettingThatIsIgnoredSaysSoFromTheStart) {
  sim.registry.putDword(kUser, kOwnKey, kNotifyCommandValue, 1);
  StartReady();
  EXPECT_EQ(TooltipEnd(), "The notify command setting is ignored: it is not text");
}

}  // namespace
}  // namespace sc::testing
