// The robot manager dies in the middle of a load: the robot has put the disc
// into the writer, but no answer comes. The window waits for one, as for any
// answer (there is no time-out), until the robot software starts its manager
// again and that one reports with "Check".
#include "fixture.h"
#include "manager_commands.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kStep = 15000;

using SoakManagerDies = SpoolcatE2e;

TEST_F(SoakManagerDies, MidLoadTheWindowWaitsUntilTheRestartedManagerChecksAndNoDiscIsLost) {
  // Check, load, unload, then the second load dies.
  AddManager(std::string("discs = 3\ndie_at_command = 4\n") + kQuickRobot);
  AddPlayer(Player::MediaPlayer, "rip_ms = 0\n");
  CloseWindowsAtOnce();
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  Click(main_, kRipping);
  ASSERT_TRUE(WaitForLine(ManagerLog(), "] DIE command=4", kStep)) << Status();
  ASSERT_TRUE(WaitForManagersToFinish(5000));
  // Disc 1 is out, the dead manager's disc 2 is in the writer, disc 3 waits.
  std::map<std::string, std::string> robot = RobotState();
  EXPECT_EQ(robot["output_discs"], "1");
  EXPECT_EQ(robot["writer.E"], "2");
  EXPECT_EQ(robot["next_disc"], "3");

  // No answer, no time-out: the window keeps waiting for the load and cannot
  // be closed (this takes a few seconds).
  ExpectEveryCloseRefused();
  EXPECT_EQ(Status().compare(0, 12, "Disc Loading"), 0) << Status();

  // The robot software starts its manager again, which reports the robot.
  Process restarted;
  ASSERT_TRUE(restarted.Start(install_->file("ketmgr.exe"), kCheck, install_->path()));
  ASSERT_TRUE(WaitUntil([&] { return Enabled(main_, kExit); }, kStep))
      << "Exit stayed disabled after the manager's Check; status: " << Status();
  // The job still waits for its load's answer; nothing new was started.
  EXPECT_FALSE(Enabled(main_, kRipping));

  Click(main_, kExit);
  ASSERT_TRUE(spoolcat_.WaitExit(10000)) << "Exit did not end the program";
  EXPECT_TRUE(WaitUntil([] { return CountProcesses("wmplayer.exe") == 0; }, 10000));
  ASSERT_TRUE(WaitForManagersToFinish(10000));
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad, kUnload, kLoad, kCheck}));
  // Every disc of the stack is where the robot says: none lost.
  robot = RobotState();
  EXPECT_EQ(robot["output_discs"], "1");
  EXPECT_EQ(robot["rejected_discs"], "");
  EXPECT_EQ(robot["writer.E"], "2");
  EXPECT_EQ(robot["next_disc"], "3");
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Spoolcat", "Ripping Application"),
            "Windows Media Player");
}

}  // namespace
}  // namespace e2e
