// A player that does not answer WM_CLOSE, stuck in its handler or in a
// question of its own that nobody is there to answer. "Exit" must still end
// the program, once its wait for the player is over, with the user's choices
// saved.
#include <cstdio>

#include "fixture.h"
#include "soak_stack.h"

namespace e2e {
namespace {

// The program's wait for the player to answer WM_CLOSE, and room for the rest
// of its ending (well under a second, but a loaded machine is slow).
constexpr DWORD kPlayerWait = 4000;
constexpr DWORD kEndingMargin = 3000;

class PlayerStuckOnClose : public SpoolcatE2e {
 protected:
  // A job with the iTunes substitute, whose on_close is `onClose`, after
  // choices that differ from what a first start shows; then "Exit". The
  // player's log shows `stuckAt` once it is stuck.
  void JobThenExit(const std::string& onClose, const std::string& stuckAt) {
    CloseWindowsAtOnce();
    AddManager(std::string(kQuickRobot) + "discs = 1\n");
    AddPlayer(Player::MediaPlayer, "");
    AddPlayer(Player::ITunes, "rip_ms = 200\non_close = " + onClose + "\n");
    StartSpoolcat();
    ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();

    const int iTunes = kFirstPlayerItem + 1;
    ASSERT_EQ(Text(Control(main_, iTunes)), "iTunes");
    Click(main_, iTunes);
    ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kReplaceSongs); }, 5000));
    SetOption(kRipUnidentified, false);
    SetOption(kReplaceSongs, false);
    Click(main_, kRipping);
    ASSERT_TRUE(WaitForStatus("Job Done", 60000)) << Status();
    ASSERT_TRUE(WaitUntil([&] { return Enabled(main_, kExit); }, 5000));

    const DWORD start = GetTickCount();
    Click(main_, kExit);
    const bool ended = spoolcat_.WaitExit(kPlayerWait + kEndingMargin);
    std::printf("on_close = %s: %s %lu ms after Exit\n", onClose.c_str(),
                ended ? "ended" : "still running", GetTickCount() - start);
    EXPECT_TRUE(ended) << "still running " << kPlayerWait + kEndingMargin << " ms after Exit";
    EXPECT_EQ(spoolcat_.ExitCode(), 0u);
    // The program did ask, and the player is stuck, not closed.
    EXPECT_TRUE(WaitForLine(PlayerLog(Player::ITunes), stuckAt, 1000));
    EXPECT_EQ(CountProcesses("itunes.exe"), 1);

    const std::string settings = "SOFTWARE\\Venmora\\Spoolcat";
    EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, settings, "Ripping Application"), "iTunes");
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, settings, "Import unknown CD anyway"), 0u);
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, settings, "Replace existing songs"), 0u);
  }
};

TEST_F(PlayerStuckOnClose, InItsHandlerExitStillEndsTheProgramAndKeepsTheChoices) {
  JobThenExit("hang", "] HANG");
}

// The player keeps reading its messages, so the system never takes it for
// hung: only the program's own bound ends the wait.
TEST_F(PlayerStuckOnClose, OnAQuestionOfItsOwnExitStillEndsTheProgramAndKeepsTheChoices) {
  JobThenExit("ask", "] ASK ");
}

}  // namespace
}  // namespace e2e
