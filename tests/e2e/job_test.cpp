// Whole jobs: the substitute robot with a stack of discs, a substitute player
// ripping each disc that arrives, and the user pressing "Ripping" once. A job
// with each player runs under each Windows version, whose registry root holds
// the robot's report the program waits for and the program's own key.
#include "fixture.h"
#include "manager_commands.h"
#include "windows_version.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kJob = 60000;

// "Exit" closes the window and the player with it.
void ExpectExitClosesTheProgramAndThePlayer(HWND main, const Process& spoolcat,
                                            const char* playerExe) {
  Click(main, kExit);
  EXPECT_TRUE(spoolcat.WaitExit(10000));
  EXPECT_TRUE(WaitUntil([&] { return CountProcesses(playerExe) == 0; }, 10000));
}

struct SavedSettings {
  const char* player;
  DWORD importUnknown;
  DWORD unloadUnknownToAlternate;
  DWORD replaceSongs;
};

class JobOnWindows : public SpoolcatOnWindows {
 protected:
  // The manager's Check wrote the report and the writers under the version's
  // root, where the program read them: nothing of the robot's is elsewhere.
  void ExpectTheRobotKeyUnderTheVersionsRoot() {
    EXPECT_EQ(Reg::String(Root(), kRobotKey, "Robot Report"), "Ready");
    EXPECT_EQ(Reg::String(Root(), std::string(kRobotKey) + "\\Unit1\\Writer1", ""), kWriter);
    EXPECT_FALSE(Reg::KeyExists(OtherRoot(), kRobotKey));
    const std::string written = "] REGISTRY root=";
    EXPECT_EQ(CountLines(ManagerLog(), written),
              CountLines(ManagerLog(), written + GetParam().rootName));
  }

  // At close the program's key under the version's root holds the choices,
  // beside the path its first start put there; the other root has no key.
  void ExpectSettingsUnderTheVersionsRoot(const SavedSettings& saved) {
    EXPECT_EQ(Reg::String(Root(), kSettingsKey, ""), install_->file("spoolcat.exe"));
    EXPECT_EQ(Reg::String(Root(), kSettingsKey, "Ripping Application"), saved.player);
    EXPECT_EQ(Reg::Dword(Root(), kSettingsKey, "Import unknown CD anyway"), saved.importUnknown);
    EXPECT_EQ(Reg::Dword(Root(), kSettingsKey, "Unload unknown CD to alternate output"),
              saved.unloadUnknownToAlternate);
    EXPECT_EQ(Reg::Dword(Root(), kSettingsKey, "Replace existing songs"), saved.replaceSongs);
    EXPECT_FALSE(Reg::KeyExists(OtherRoot(), kSettingsKey));
  }
};

INSTANTIATE_TEST_SUITE_P(Versions, JobOnWindows, ::testing::ValuesIn(kWindowsVersions),
                         VersionName);

TEST_P(JobOnWindows, RipsTheWholeStackWithWindowsMediaPlayerThenClosesCleanly) {
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
  ExpectTheRobotKeyUnderTheVersionsRoot();

  ExpectExitClosesTheProgramAndThePlayer(main_, spoolcat_, "wmplayer.exe");
  ExpectSettingsUnderTheVersionsRoot({"Windows Media Player", 1, 1, 1});
}

TEST_P(JobOnWindows, WithITunesDeclinesAnUnidentifiedDiscAndSendsItToTheRejectBin) {
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
  ExpectTheRobotKeyUnderTheVersionsRoot();

  ExpectExitClosesTheProgramAndThePlayer(main_, spoolcat_, "itunes.exe");
  ExpectSettingsUnderTheVersionsRoot({"iTunes", 0, 1, 1});
}

using Job = SpoolcatE2e;

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

  ExpectExitClosesTheProgramAndThePlayer(main_, spoolcat_, "itunes.exe");
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettingsKey, "Replace existing songs"), 0u);
}

}  // namespace
}  // namespace e2e
