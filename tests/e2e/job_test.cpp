// Whole jobs: the substitute robot with a stack of discs, a substitute player
// ripping each disc that arrives, and the user pressing "Ripping" once.
#include "fixture.h"
#include "manager_commands.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kJob = 60000;

using Job = SpoolcatE2e;

TEST_F(Job, RipsTheWholeStackWithWindowsMediaPlayerThenClosesCleanly) {
  AddManager("discs = 3\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 500\n");
  StartSpoolcat();

  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  EXPECT_EQ(Text(Control(main_, kFirstPlayerItem)), "Windows Media Player");
  ASSERT_TRUE(Enabled(main_, kRipping));
  Click(main_, kRipping);
  ASSERT_TRUE(WaitUntil([&] { return !Enabled(main_, kRipping); }, 5000));
  EXPECT_FALSE(Enabled(main_, kPlayers));

  ASSERT_TRUE(WaitForStatus("Job Done", kJob)) << Status();
  // The Release goes out right after the status changes.
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload", "unload", "unload"}));
  EXPECT_EQ(CountLines(PlayerLog(Player::MediaPlayer), "] RIPPED "), 3);
  EXPECT_TRUE(Enabled(main_, kRipping));
  EXPECT_TRUE(Enabled(main_, kExit));

  // Exit closes the window, the player with it, and saves the choice.
  Click(main_, kExit);
  EXPECT_TRUE(spoolcat_.WaitExit(10000));
  EXPECT_TRUE(WaitUntil([] { return CountProcesses("wmplayer.exe") == 0; }, 10000));
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Spoolcat", "Ripping Application"),
            "Windows Media Player");
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Spoolcat", "Replace existing songs"),
            1u);
}

TEST_F(Job, WithITunesDeclinesAnUnidentifiedDiscAndSendsItToTheRejectBin) {
  AddManager("discs = 2\ndisc.1 = unidentified\n");
  AddPlayer(Player::ITunes, "rip_ms = 500\n");
  StartSpoolcat();

  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  EXPECT_EQ(Text(Control(main_, kFirstPlayerItem)), "iTunes");
  ASSERT_TRUE(Visible(main_, kRipUnidentified));
  ASSERT_TRUE(Checked(main_, kRipUnidentified));
  ASSERT_TRUE(Checked(main_, kRejectUnidentified));
  // The user would rather skip unidentified discs than rip them.
  Click(main_, kRipUnidentified);
  ASSERT_TRUE(WaitUntil([&] { return !Checked(main_, kRipUnidentified); }, 5000));
  Click(main_, kRipping);

  ASSERT_TRUE(WaitForStatus("Job Done", kJob)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"reject", "unload"}));
  const std::string iTunes = PlayerLog(Player::ITunes);
  EXPECT_EQ(CountLines(iTunes, "] CLICK kind=\"unidentified\" button=\"Don't Import\""), 1);
  EXPECT_EQ(CountLines(iTunes, "] RIPPED "), 1);
}

TEST_F(Job, WithITunesAnswersEachKindOfQuestionByTheOptions) {
  AddManager("discs = 3\ndisc.1 = unidentified\ndisc.2 = songs-exist\ndisc.3 = list\n");
  // The middle button is created last, and every dialog has a hidden button.
  AddPlayer(Player::ITunes, "rip_ms = 500\nbutton_order = scrambled\nhidden_button = 1\n");
  StartSpoolcat();

  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  // Keep the songs already in the library.
  Click(main_, kReplaceSongs);
  ASSERT_TRUE(WaitUntil([&] { return !Checked(main_, kReplaceSongs); }, 5000));
  Click(main_, kRipping);

  ASSERT_TRUE(WaitForStatus("Job Done", kJob)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  // The unidentified disc was ripped anyway, then went to the reject bin.
  EXPECT_EQ(ManagerCommands(), JobCommands({"reject", "unload", "unload"}));
  const std::string iTunes = PlayerLog(Player::ITunes);
  EXPECT_EQ(CountLines(iTunes, "] CLICK kind=\"unidentified\" button=\"Import\""), 1);
  EXPECT_EQ(CountLines(iTunes, "] CLICK kind=\"songs-exist\" button=\"Don't Replace\""), 1);
  EXPECT_EQ(CountLines(iTunes, "] CLICK kind=\"list\" button=\"OK\""), 1);
  EXPECT_EQ(CountLines(iTunes, "] RIPPED "), 3);

  Click(main_, kExit);
  EXPECT_TRUE(spoolcat_.WaitExit(10000));
  EXPECT_TRUE(WaitUntil([] { return CountProcesses("itunes.exe") == 0; }, 10000));
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Spoolcat", "Replace existing songs"),
            0u);
}

}  // namespace
}  // namespace e2e
