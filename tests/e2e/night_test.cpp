// A night on a real PC: the PC kept awake from "Ripping" to "Job Done", the
// end of the Windows session refused with a reason while the robot works and
// granted, with the choices saved, otherwise, and the choices kept when the
// program is ended by force during a job. wineboot -e -s ends the session as
// a shutdown does: it asks every window, exits 1 when one refuses, and ends
// the programs of those that grant.
#include "fixture.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr const char* kSettings = "SOFTWARE\\Venmora\\Spoolcat";
// Wine's trace of the execution state asked for, and of the shutdown reasons.
constexpr const char* kChannels = "-all,warn+ntdll,fixme+win,fixme+graphics";
constexpr const char* kAwake = "NtSetThreadExecutionState (0x80000001";
constexpr const char* kMaySleep = "NtSetThreadExecutionState (0x80000000";
constexpr const char* kReason = "ShutdownBlockReasonCreate";
constexpr const char* kReasonGone = "ShutdownBlockReasonDestroy";

class Night : public SpoolcatE2e {
 protected:
  // Ready with iTunes chosen and two options changed from what a first
  // start shows; the manager answers everything but `noAnswer`.
  void ReadyWithChangedChoices(const std::string& noAnswer) {
    CloseWindowsAtOnce();
    AddManager(std::string(kQuickRobot) + "discs = 2\n" +
               (noAnswer.empty() ? "" : "no_answer = " + noAnswer + "\n"));
    AddPlayer(Player::MediaPlayer, "rip_ms = 200\n");
    AddPlayer(Player::ITunes, "rip_ms = 200\n");
    StartSpoolcatTraced(kChannels);
    ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();
    Click(main_, kFirstPlayerItem + 1);
    ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kReplaceSongs); }, 5000));
    SetOption(kRipUnidentified, false);
    SetOption(kReplaceSongs, false);
  }

  void ExpectChangedChoicesSaved() {
    EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettings, "Ripping Application"), "iTunes");
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Import unknown CD anyway"), 0u);
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Replace existing songs"), 0u);
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Unload unknown CD to alternate output"),
              1u);
  }

  int Traced(const char* needle) const { return CountLines(TraceFile(), needle); }
};

TEST_F(Night, TheEndOfTheSessionWhileIdleIsGrantedAndKeepsTheChangedChoices) {
  ReadyWithChangedChoices("");
  // Nothing was saved yet: the first start stores no option.
  ASSERT_FALSE(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Replace existing songs"));
  EXPECT_EQ(RunToEnd("wineboot.exe", "-e -s", 30000), 0u);
  EXPECT_TRUE(spoolcat_.WaitExit(10000)) << "the program outlived the session";
  ExpectChangedChoicesSaved();
  EXPECT_EQ(Traced(kReason), 0);
}

TEST_F(Night, TheEndOfTheSessionWhileALoadGoesUnansweredIsRefusedWithAReason) {
  ReadyWithChangedChoices("load");
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Disc Loading", 10000)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "action load", 10000));
  EXPECT_EQ(RunToEnd("wineboot.exe", "-e -s", 30000), 1u);
  EXPECT_TRUE(spoolcat_.Running());
  // The disc went in all the same: only the notice is missing.
  EXPECT_TRUE(WaitForStatus("Disc Loaded", 3000)) << Status();
  EXPECT_FALSE(Enabled(main_, kExit));
  const auto reason = WaitForLine(TraceFile(), kReason, 5000);
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("Spoolcat waits for the disc robot to answer a command."),
            std::string::npos)
      << *reason;
  EXPECT_EQ(Traced(kReasonGone), 0);
  // The answer lets the user go, and the reason goes with it (the job goes
  // on: the disc, ripped meanwhile, is unloaded next).
  ASSERT_TRUE(SendNotice(main_, "load", "OK", ""));
  EXPECT_TRUE(WaitForLine(TraceFile(), kReasonGone, 5000));
}

TEST_F(Night, KilledDuringAnUnansweredLoadKeepsTheChoicesMadeBeforeRipping) {
  ReadyWithChangedChoices("load");
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Disc Loading", 10000)) << Status();
  EXPECT_EQ(RunToEnd("taskkill.exe", "/f /pid " + std::to_string(spoolcat_.id()), 30000), 0u);
  ASSERT_TRUE(spoolcat_.WaitExit(10000));
  ExpectChangedChoicesSaved();
}

TEST_F(Night, ThePcIsKeptAwakeFromTheClickToJobDoneAndReleasedAfter) {
  ReadyWithChangedChoices("");
  EXPECT_EQ(Traced("NtSetThreadExecutionState"), 0);
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForLine(TraceFile(), kAwake, 10000));
  EXPECT_EQ(Traced(kMaySleep), 0);
  ASSERT_TRUE(WaitForJobDone(20000)) << Status();
  EXPECT_TRUE(WaitForLine(TraceFile(), kMaySleep, 5000));
  EXPECT_EQ(Traced(kAwake), 1);
  EXPECT_EQ(Traced(kMaySleep), 1);
  const std::vector<std::string> lines = ReadLines(TraceFile());
  std::vector<std::string> states;
  for (const std::string& line : lines)
    if (line.find("NtSetThreadExecutionState") != std::string::npos) states.push_back(line);
  ASSERT_EQ(states.size(), 2u);
  EXPECT_NE(states[0].find(kAwake), std::string::npos) << states[0];
}

}  // namespace
}  // namespace e2e
