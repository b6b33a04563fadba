// What keeps a job from stalling, from starting by itself and from locking
// the user in, whatever the robot, the system and other programs send.
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
const std::string kManager = std::string(kProgramDir) + "\\ketmgr.exe";

class JobGuardsTest : public MainWindowTest {
 protected:
  void ExpectCanLeave() {
    EXPECT_TRUE(form->btnExit.enabled());
    EXPECT_TRUE(form->queryEndSession());
    EXPECT_TRUE(form->close());
  }
};

TEST_F(JobGuardsTest, NoManagerAnywhereSaysSoAndLetsTheUserGo) {
  InstallWmp();  // no ketmgr.exe beside the program, none registered
  Start();
  EXPECT_EQ(form->StatusCode, 7);
  EXPECT_EQ(form->lblStatus.text(), "Robot software not found");
  Advance(3000);  // not animated: the reason stays on the line
  EXPECT_EQ(form->lblStatus.text(), "Robot software not found");
  EXPECT_FALSE(form->btnWMP.enabled());
  ExpectCanLeave();
}

TEST_F(JobGuardsTest, AnEmptyManagerPathIsNeverHandedToTheShell) {
  InstallWmp();
  sim.registry.putString(kUser, kRobotKey, "Robot Report", "Ready");  // key without a path
  Start();
  ASSERT_EQ(form->ManagerPath[0], 0);
  for (const auto& call : sim.shell.calls()) EXPECT_NE(call.file, "");
  EXPECT_EQ(form->lblStatus.text(), "Robot software not found");
  EXPECT_TRUE(form->btnExit.enabled());
}

TEST_F(JobGuardsTest, AManagerThatCannotBeStartedMidJobEndsTheWait) {
  StartJob();
  sim.shell.failures().always("execute", 31, kManager);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_FALSE(JobRuns(form->Job()));
  EXPECT_FALSE((form->Job().phase == JobPhase::Unloading));
  EXPECT_EQ(form->lblStatus.text(), "Robot software not found");
  EXPECT_TRUE(form->btnWMP.enabled());
  EXPECT_TRUE(form->RadioGroup1.enabled());
  ExpectCanLeave();
}

TEST_F(JobGuardsTest, AnEmptiedWriterListEndsTheJobOnItsOwnWriterAndStillLetsTheUserGo) {
  StartJob();
  sim.registry.putDword(kUser, std::string(kRobotKey) + "\\Unit1", "Online", 0);
  NotifyAndSettle({"Autoloader", "Refresh", "", ""});
  Advance(100);
  ASSERT_EQ(form->cbxWriters.count(), 0);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  NotifyAndSettle({"Autoloader", "load", "Error", "No more discs"});
  EXPECT_EQ(form->lblStatus.text(), "Job Done");
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --target E: Writer 1 --action Release");
  EXPECT_FALSE(form->btnWMP.enabled());
  const auto calls = sim.shell.calls().size();
  form->btnWMPClick();  // nothing to load: changes nothing
  EXPECT_EQ(sim.shell.calls().size(), calls);
  ExpectCanLeave();
}

}  // namespace
}  // namespace sc::testing
