// Where the program's parts meet other programs mid-job: a manager notice
// that answers no command, a robot unit that goes away, device messages
// without a record, a second start of the program, a flood of refusals, and
// no manager at all. Each must leave a defined outcome and a job that ends.
#include <windows.h>

// dbt.h needs the types of windows.h first.
#include <dbt.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "fixture.h"
#include "manager_commands.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kStep = 15000;
constexpr DWORD kJob = 20000;
// The poll that a Refresh starts: the notice waits 10 ms, the poll 100 ms.
constexpr DWORD kPollSettles = 500;

const std::string kUnit1 = "SOFTWARE\\Venmora\\Kelvomat\\Unit1";

using BetweenParts = SpoolcatE2e;

TEST_F(BetweenParts, RefreshWhileADiscIsInTheWriterLeavesTheJobToFinish) {
  // The second command is the first load: right after that disc has arrived
  // the manager asks for a fresh look at the robot, while the player rips.
  AddManager("discs = 2\nnotice_after.2 = Refresh\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 1500\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  Click(main_, kRipping);
  ASSERT_TRUE(
      WaitForLine(ManagerLog(), "action=\"Refresh\" result=\"OK\" detail=\"\" delivered", kStep));
  Sleep(kPollSettles);
  // "Ripping" enabled means no job is running: the disc's removal would then
  // be taken for one outside a job and never unloaded.
  EXPECT_FALSE(Enabled(main_, kRipping)) << "the Refresh made the job look finished";

  ASSERT_TRUE(WaitForStatus("Job Done", kJob)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload", "unload"}));
  EXPECT_EQ(CountLines(PlayerLog(Player::MediaPlayer), "] START "), 1);
  EXPECT_EQ(CountProcesses("wmplayer.exe"), 1);
}

TEST_F(BetweenParts, UnitGoingOfflineMidJobEndsTheJobOnItsWriterAndLeavesTheWindowClosable) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 2000\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Disc Loaded", kStep)) << Status();
  // The robot software takes the unit off line while the disc is being
  // ripped, and says so.
  Reg::SetDword(HKEY_CURRENT_USER, kUnit1, "Online", 0);
  ASSERT_TRUE(SendNotice(main_, "Refresh", "OK", ""));

  // The disc in the writer still comes out, and the job ends on the writer
  // it was started with.
  ASSERT_TRUE(WaitForStatus("Job Done", kStep)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  ASSERT_TRUE(WaitForManagersToFinish(5000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload"}));
  EXPECT_EQ(RobotState()["output_discs"], "1");

  // No writer is listed now, so there is nothing to start a job on.
  EXPECT_FALSE(Enabled(main_, kRipping));
  Click(main_, kRipping);
  Sleep(1000);
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload"}));
  EXPECT_EQ(CountLines(PlayerLog(Player::MediaPlayer), "] START "), 1);
  ASSERT_TRUE(Enabled(main_, kExit));
  EXPECT_TRUE(SendClose(main_, 5000)) << "the window would not close";
  EXPECT_TRUE(spoolcat_.WaitExit(5000));
}

TEST_F(BetweenParts, DeviceMessagesWithoutARecordLeaveTheProgramAndItsJobRunning) {
  AddManager("discs = 2\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 1500\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Disc Loaded", kStep)) << Status();

  // The events the system sends without a record, and a few more below
  // 0x8000, which the system never treats as carrying one.
  std::vector<WPARAM> events{DBT_DEVNODES_CHANGED,     DBT_QUERYCHANGECONFIG, DBT_CONFIGCHANGED,
                             DBT_CONFIGCHANGECANCELED, DBT_APPYBEGIN,         DBT_CONFIGMGPRIVATE};
  std::mt19937 random(20240607);
  for (int i = 0; i < 4; ++i) events.push_back(random() & 0x7FFF);
  // Whatever a sender leaves in lParam: one that may happen to be mapped in
  // the program, one in the never-mapped first page, one above user space.
  const std::vector<LPARAM> garbage{0x0BADF00D, 0x10, static_cast<LPARAM>(0xFFFFFFF0)};
  for (WPARAM event : events) {
    for (LPARAM lParam : garbage) {
      std::ostringstream message;
      message << "event 0x" << std::hex << event << ", lParam 0x" << lParam;
      SCOPED_TRACE(message.str());
      EXPECT_TRUE(PostDeviceChange(main_, event, lParam));
      EXPECT_TRUE(SendDeviceChange(main_, event, lParam, 5000));
      ASSERT_TRUE(spoolcat_.Running()) << "the program died";
    }
  }

  ASSERT_TRUE(WaitForStatus("Job Done", kStep)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload", "unload"}));
  EXPECT_TRUE(spoolcat_.Running());
}

TEST_F(BetweenParts, SecondStartBringsTheRunningWindowForwardAndLeavesItsJobAlone) {
  AddManager("discs = 2\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 3000\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Disc Loaded", kStep)) << Status();
  // The player's window in front, as it would be while it rips.
  HWND player = FindWindowA(nullptr, "Windows Media Player");
  ASSERT_NE(player, nullptr);
  SetForegroundWindow(player);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == player; }, 2000))
      << "cannot tell which window is in front";

  Process second;
  ASSERT_TRUE(second.Start(install_->file("spoolcat.exe"), "", install_->path()));
  // The manager finds the window to answer by its caption: a second one, even
  // for a moment, could take a notice meant for the job.
  std::size_t mostWindows = 0;
  bool ended = WaitUntil(
      [&] {
        mostWindows = std::max(mostWindows, TopLevelWindowsTitled(kMainCaption).size());
        return !second.Running();
      },
      5000);
  ASSERT_TRUE(ended) << "the second start is still running";
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(mostWindows, 1u);
  EXPECT_EQ(TopLevelWindowsTitled(kMainCaption), std::vector<HWND>{main_});
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_; }, 2000))
      << "the running window was not brought forward";

  ASSERT_TRUE(WaitForStatus("Job Done", kJob)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  ASSERT_TRUE(WaitForManagersToFinish(5000));
  // Every disc went in once and came out once, to the output.
  EXPECT_EQ(CountLines(ManagerLog(), "DISC-IN disc=1 "), 1);
  EXPECT_EQ(CountLines(ManagerLog(), "DISC-IN disc=2 "), 1);
  EXPECT_EQ(CountLines(ManagerLog(), "] COMMAND " + kUnload), 2);
  std::map<std::string, std::string> robot = RobotState();
  EXPECT_EQ(robot["output_discs"], "1,2");
  EXPECT_EQ(robot["rejected_discs"], "");
  EXPECT_EQ(robot.count("writer.E"), 0u) << "a disc was left in the writer";
}

TEST_F(BetweenParts, FloodOfOccupiedRefusalsWhileTheBoxIsOpenKeepsOneBox) {
  AddManager("discs = 0\noccupied_loads = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  Click(main_, kRipping);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        std::vector<HWND> boxes = MessageBoxesOf(spoolcat_.id(), "Spoolcat");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
      },
      kStep))
      << Status();

  // One at a time, as the manager sends them, each outliving the program's
  // 10 ms hand-over so that none is merged into the next.
  int sent = 0;
  std::size_t boxes = 1;
  while (sent < 1000 && boxes == 1 && spoolcat_.Running()) {
    SendNotice(main_, "load", "Error", "Occupied", 2000);
    Sleep(12);
    // Each box nested in the last makes the next notices slower: stop early.
    if (++sent % 25 == 0) boxes = MessageBoxesOf(spoolcat_.id(), "Spoolcat").size();
  }
  ASSERT_TRUE(spoolcat_.Running()) << "the program died after " << sent << " notices";
  Sleep(1000);  // room for the last notices to be handed on
  ASSERT_EQ(MessageBoxesOf(spoolcat_.id(), "Spoolcat").size(), 1u)
      << "after " << sent << " notices";

  Click(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 10000)) << "OK did not close the box";
  ASSERT_TRUE(WaitForStatus("Ready", 5000)) << Status();
  Sleep(1000);  // room for a further box to show up
  EXPECT_TRUE(MessageBoxesOf(spoolcat_.id(), "Spoolcat").empty());
  EXPECT_EQ(Status(), "Ready");
  EXPECT_TRUE(Enabled(main_, kRipping));
  EXPECT_TRUE(Enabled(main_, kExit));
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad}));
}

TEST_F(BetweenParts, NoManagerAnywhereSaysSoAndLetsTheWindowClose) {
  auto startWithoutManager = [&] {
    StartSpoolcat();
    ASSERT_TRUE(WaitUntil([&] { return Status() == "Robot software not found"; }, 10000))
        << Status();
    EXPECT_TRUE(Enabled(main_, kExit));
    EXPECT_TRUE(SendClose(main_, 5000)) << "the window would not close";
    EXPECT_TRUE(spoolcat_.WaitExit(5000));
  };
  {
    SCOPED_TRACE("no robot key: the program makes one, naming no manager");
    startWithoutManager();
  }
  {
    SCOPED_TRACE("the key of robot software installed without its manager");
    spoolcat_.Kill();
    ResetRegistry();
    Reg::SetString(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Kelvomat", "Robot Report", "Ready");
    startWithoutManager();
  }
}

}  // namespace
}  // namespace e2e
