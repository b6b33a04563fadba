#include "player/player_command.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

class PlayerDiscoveryTest : public MainWindowTest {
 protected:
  void Saved(const std::string& name) {
    sim.registry.putString(kUser, kOwnKey, "Ripping Application", name);
  }
  std::vector<std::string> Items() const { return form->RadioGroup1.items(); }
};

TEST_F(PlayerDiscoveryTest, BothPlayersWithITunesSaved) {
  InstallWmp();
  InstallITunes();
  Saved("iTunes");
  Start();
  EXPECT_EQ(Items(), (std::vector<std::string>{"Windows Media Player", "iTunes"}));
  EXPECT_EQ(form->RadioGroup1.itemIndex(), 1);
  EXPECT_TRUE(watch.WatchITunes);
  EXPECT_TRUE(form->ckxRippingNoneCDB.visible());
}

TEST_F(PlayerDiscoveryTest, WhicheverPlayersAreFoundFallBackToTheFirst) {
  struct Case {
    bool wmp;
    bool iTunes;
    const char* saved;
    std::vector<std::string> items;
    int selected;
  } cases[] = {
      {false, true, "iTunes", {"iTunes"}, 0},
      {false, true, "Windows Media Player", {"iTunes"}, 0},
      {true, false, "iTunes", {"Windows Media Player"}, 0},
      {true, true, "windows media player", {"Windows Media Player", "iTunes"}, 0},
      {false, false, "iTunes", {}, -1},
  };
  for (const auto& c : cases) {
    sim.registry.removeKey(kMachine, "SOFTWARE");
    if (c.wmp) InstallWmp();
    if (c.iTunes) InstallITunes();
    Saved(c.saved);
    Start();
    EXPECT_EQ(Items(), c.items) << c.saved;
    EXPECT_EQ(form->RadioGroup1.itemIndex(), c.selected) << c.saved;
  }
}

TEST_F(PlayerDiscoveryTest, WmpPathIsTheDirectoryAsStoredPlusThePlayer) {
  struct Case {
    std::string directory;
    std::string path;
  } cases[] = {
      {"C:\\WMP", "C:\\WMP\\wmplayer.exe"},
      {"C:\\WMP\\", "C:\\WMP\\\\wmplayer.exe"},
      {"", "\\wmplayer.exe"},
      {std::string(246, 'd'), std::string(246, 'd') + "\\wmplayer.exe"},
  };
  for (const auto& c : cases) {
    InstallWmp(c.directory);
    Start();
    EXPECT_EQ(TextOf(form->WmpPath), c.path);
    EXPECT_EQ(Items(), std::vector<std::string>{"Windows Media Player"});
  }
}

TEST_F(PlayerDiscoveryTest, DirectoryWithoutRoomForThePlayerLeavesItOut) {
  InstallWmp(std::string(247, 'd'));
  InstallITunes();
  Start();
  EXPECT_EQ(Items(), std::vector<std::string>{"iTunes"});
  EXPECT_EQ(TextOf(form->WmpPath), "");
}

TEST_F(PlayerDiscoveryTest, PlayersAreLookedUpOnTheMachineRootOnly) {
  sim.registry.putString(kUser, kWmpKey, "Installation Directory", "C:\\WMP");
  Start();
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(sim.registry.openKeys().empty());
}

TEST_F(PlayerDiscoveryTest, ClosingWithoutAJobClosesAnyWmpWindow) {
  InstallWmp();
  InstallITunes();
  const WindowHandle wmp = sim.desktop.addWindow("Windows Media Player");
  sim.desktop.addWindow("iTunes");
  Start();
  form->btnExit.setEnabled(true);
  ASSERT_TRUE(form->close());
  EXPECT_EQ(sim.desktop.closeRequests(), std::vector<WindowHandle>{wmp});
}

TEST_F(PlayerDiscoveryTest, ChoosingAPlayerShowsTheOptionsOnlyForITunes) {
  InstallWmp();
  InstallITunes();
  Start();
  EXPECT_FALSE(watch.WatchITunes);
  EXPECT_FALSE(form->ckxReplaceExitFile.visible());
  const int heightWithout = form->clientHeight();
  form->RadioGroup1.clickItem(1);
  EXPECT_TRUE(watch.WatchITunes);
  EXPECT_TRUE(form->ckxReplaceExitFile.visible());
  EXPECT_EQ(form->clientHeight(), heightWithout + 75);
  form->RadioGroup1.clickItem(0);
  EXPECT_FALSE(watch.WatchITunes);
  EXPECT_EQ(form->clientHeight(), heightWithout);
}

TEST(SplitQuotedCommandTest, AQuotedProgramAndWhatFollowsIt) {
  struct Case {
    const char* command;
    bool split;
    const char* program;
    const char* arguments;
  } cases[] = {
      {"\"C:\\iTunes\\iTunes.exe\" /autorun", true, "C:\\iTunes\\iTunes.exe", "/autorun"},
      {"\"C:\\iTunes\\iTunes.exe\"   \"%1\"", true, "C:\\iTunes\\iTunes.exe", "\"%1\""},
      {"\"C:\\iTunes\\iTunes.exe\"", true, "C:\\iTunes\\iTunes.exe", ""},
      {"C:\\iTunes\\iTunes.exe /autorun", false, "", ""},
      {"\"C:\\iTunes\\iTunes.exe /autorun", false, "", ""},
      {"\"\" /autorun", false, "", ""},
      {"", false, "", ""},
  };
  for (const auto& c : cases) {
    const auto split = SplitQuotedCommand(c.command);
    ASSERT_EQ(split.has_value(), c.split) << c.command;
    if (!split) continue;
    EXPECT_EQ(split->program, c.program);
    EXPECT_EQ(split->arguments, c.arguments);
  }
}

TEST_F(PlayerDiscoveryTest, ITunesCommandWithArgumentsIsStartedAsProgramAndArgumentsWhenRefused) {
  const std::string command = "\"C:\\iTunes\\iTunes.exe\" /autorun";
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  InstallManagerAndPlayers();
  InstallITunes(command);
  sim.shell.failures().always("execute", 2, command);
  PublishWriters({"E: Writer 1"});
  Start();
  NotifyAndSettle({"Autoloader", "Check", "", ""});
  Advance(100);
  form->btnWMP.click();
  const auto& calls = sim.shell.calls();
  ASSERT_GE(calls.size(), 4u);  // Check, the command as registered, the program, load
  EXPECT_EQ(calls[1].file, command);
  EXPECT_EQ(calls[2].file, "C:\\iTunes\\iTunes.exe");
  EXPECT_EQ(calls[2].parameters, "/autorun");
  EXPECT_EQ(calls[2].showCommand, kSwShow);
  EXPECT_EQ(calls[2].owner, 0u);
}

}  // namespace
}  // namespace sc::testing
