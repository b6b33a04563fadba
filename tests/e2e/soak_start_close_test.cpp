// A hundred starts and closes, as on a machine where the program is started
// every evening: each start reaches "Ready", "Exit" ends it, and at the end
// the settings are as the user chose them at the first start and nothing of
// the program, the manager or a player is left running.
#include <cstdio>

#include "fixture.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr int kCycles = 100;
constexpr DWORD kReady = 15000;
constexpr DWORD kExitWithin = 10000;
const std::string kSettings = "SOFTWARE\\Venmora\\Spoolcat";
constexpr int kITunesItem = kFirstPlayerItem + 1;

class SoakStartAndClose : public SpoolcatE2e {
 protected:
  // The user's choice: iTunes, skip unidentified discs and reject them, keep
  // the songs already in the library.
  void Choose() {
    Click(main_, kITunesItem);
    ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kRipUnidentified); }, 5000));
    SetOption(kRipUnidentified, false);
    SetOption(kRejectUnidentified, true);
    SetOption(kReplaceSongs, false);
  }

  void ExpectTheChoiceShown() {
    EXPECT_TRUE(Checked(main_, kITunesItem));
    EXPECT_TRUE(Visible(main_, kRipUnidentified));
    EXPECT_FALSE(Checked(main_, kRipUnidentified));
    EXPECT_TRUE(Checked(main_, kRejectUnidentified));
    EXPECT_FALSE(Checked(main_, kReplaceSongs));
  }

  void ExpectTheChoiceStored() {
    EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettings, "Ripping Application"), "iTunes");
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Import unknown CD anyway"), 0u);
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Unload unknown CD to alternate output"),
              1u);
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Replace existing songs"), 0u);
    // Written once, at the first start.
    EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettings, ""), install_->file("spoolcat.exe"));
  }
};

TEST_F(SoakStartAndClose, HundredCyclesKeepTheSettingsAndLeaveNothingRunning) {
  AddManager(kQuickRobot);
  AddPlayer(Player::MediaPlayer, "");
  AddPlayer(Player::ITunes, "");
  CloseWindowsAtOnce();

  const DWORD start = GetTickCount();
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    SCOPED_TRACE("start " + std::to_string(cycle));
    StartSpoolcat();
    ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
    if (cycle == 1) {
      Choose();
    } else {
      ExpectTheChoiceShown();
    }
    ASSERT_TRUE(Enabled(main_, kExit));
    Click(main_, kExit);
    ASSERT_TRUE(spoolcat_.WaitExit(kExitWithin)) << "Exit did not end the program";
    EXPECT_EQ(spoolcat_.ExitCode(), 0u);
    if (HasFailure()) return;
  }
  const DWORD elapsed = GetTickCount() - start;
  std::printf("%d starts and closes in %.1f s: %.2f s per cycle\n", kCycles, elapsed / 1000.0,
              elapsed / 1000.0 / kCycles);

  ExpectTheChoiceStored();
  ASSERT_TRUE(WaitForManagersToFinish(10000));
  EXPECT_EQ(CountLines(ManagerLog(), "] COMMAND --caller Spoolcat: --action Check"), kCycles);
  for (const char* exe : {"spoolcat.exe", "ketmgr.exe", "wmplayer.exe", "itunes.exe"}) {
    EXPECT_EQ(CountProcesses(exe), 0) << exe << " left running";
  }
}

}  // namespace
}  // namespace e2e
