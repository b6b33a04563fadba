// The window as a keyboard user meets it, on Wine's own desktop: Tab walks
// the controls that can take the focus in their designed order, the arrow
// keys choose the player, Space presses what has the focus, and Alt+F4 is
// held to the same close rule as the close box.
#include "desktop_fixture.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr int kWmpItem = kFirstPlayerItem;
constexpr int kITunesItem = kFirstPlayerItem + 1;

using Keyboard = DesktopE2e;

TEST_F(Keyboard, TabWalksTheShownControlsInTheirDesignedOrderAndArrowsChooseThePlayer) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  AddPlayer(Player::ITunes, "");
  install_->Write("spoolcat.chm", "");  // so that "Help" is shown
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  ASSERT_TRUE(Visible(main_, kHelp));

  // "Exit" comes before "Help", although "Help" stands between the buttons;
  // into the player choice Tab goes to the chosen item only. The hidden
  // writer list and memo never take the focus.
  EXPECT_EQ(TabWalk(5), (std::vector<int>{kRipping, kExit, kHelp, kWmpItem, kRipping}));
  EXPECT_EQ(Tab(true), kWmpItem);

  PressKey(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return Checked(main_, kITunesItem); }, 5000))
      << "the down arrow did not choose iTunes; the focus is on " << FocusedId(main_);
  EXPECT_EQ(FocusedId(main_), kITunesItem);
  ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kReplaceSongs); }, 5000));
  EXPECT_EQ(TabWalk(7), (std::vector<int>{kRipUnidentified, kRejectUnidentified, kReplaceSongs,
                                          kRipping, kExit, kHelp, kITunesItem}));
  // Tabbing into the group lands on the chosen item and leaves the choice.
  EXPECT_TRUE(Checked(main_, kITunesItem));

  PressKey(VK_UP);
  ASSERT_TRUE(WaitUntil([&] { return Checked(main_, kWmpItem); }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return !Visible(main_, kRipUnidentified); }, 5000));
}

TEST_F(Keyboard, TabSkipsDisabledButtonsAndTheHiddenHelp) {
  AddManager("record_only = yes\n");  // never answers: both buttons stay disabled
  AddPlayer(Player::ITunes, "");      // the only player: item 0
  StartInFront();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "COMMAND", 10000));
  ASSERT_FALSE(Enabled(main_, kRipping));
  ASSERT_FALSE(Enabled(main_, kExit));
  ASSERT_FALSE(Visible(main_, kHelp));

  EXPECT_EQ(TabWalk(5), (std::vector<int>{kFirstPlayerItem, kRipUnidentified, kRejectUnidentified,
                                          kReplaceSongs, kFirstPlayerItem}));
}

TEST_F(Keyboard, SpaceTogglesTheFocusedOptionAndPressesTheFocusedButton) {
  AddManager("discs = 1\n");
  AddPlayer(Player::ITunes, "rip_ms = 500\n");
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  ASSERT_TRUE(Checked(main_, kRipUnidentified));

  ASSERT_EQ(TabWalk(3), (std::vector<int>{kRipping, kExit, kFirstPlayerItem}));
  ASSERT_EQ(Tab(), kRipUnidentified);
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return !Checked(main_, kRipUnidentified); }, 5000))
      << "Space left the option checked";

  ASSERT_EQ(Tab(true), kFirstPlayerItem);
  ASSERT_EQ(Tab(true), kExit);
  ASSERT_EQ(Tab(true), kRipping);
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitForLine(ManagerLog(), "--action load", 10000)) << "no job was started";
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(main_, kRipping); }, 5000));
  EXPECT_TRUE(WaitForStatus("Job Done", 60000)) << Status();
}

TEST_F(Keyboard, AltF4ClosesTheWindowOnlyWhileExitIsEnabled) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 3000\n");
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  Click(main_, kRipping);
  ASSERT_TRUE(WaitUntil([&] { return !Enabled(main_, kExit); }, 5000));

  ASSERT_TRUE(BringToFront(main_, 5000));
  PressKeyWith(VK_MENU, VK_F4);
  Sleep(1500);
  EXPECT_TRUE(IsWindow(main_)) << "Alt+F4 closed the window in the middle of a job";
  EXPECT_TRUE(spoolcat_.Running());

  ASSERT_TRUE(WaitForStatus("Job Done", 60000)) << Status();
  ASSERT_TRUE(WaitUntil([&] { return Enabled(main_, kExit); }, 5000));
  ASSERT_TRUE(BringToFront(main_, 5000));
  PressKeyWith(VK_MENU, VK_F4);
  EXPECT_TRUE(spoolcat_.WaitExit(10000)) << "Alt+F4 did not close the window";
  EXPECT_EQ(spoolcat_.ExitCode(), 0u);
}

TEST_F(Keyboard, TheFocusComesBackToItsControlWhenTheWindowIsActivatedAgain) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  ASSERT_EQ(TabWalk(2), (std::vector<int>{kRipping, kExit}));

  // Another program's window takes the foreground, then the user comes back.
  HWND other = CreateWindowA("STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                             200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(BringToFront(other, 5000));
  ASSERT_TRUE(BringToFront(main_, 5000));
  EXPECT_TRUE(WaitUntil([&] { return FocusedId(main_) == kExit; }, 3000))
      << "the focus is on " << FocusedId(main_);
  DestroyWindow(other);
}

}  // namespace
}  // namespace e2e
