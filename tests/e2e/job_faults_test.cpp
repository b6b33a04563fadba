// Jobs the robot gets in the way of: another autoloader program holds it
// ("Occupied"), it never answers a load, or it tells the program to stand
// aside ("Terminate") in the middle of a job.
#include <regex>
#include <set>

#include "fixture.h"
#include "manager_commands.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kStep = 15000;

constexpr const char* kOccupiedText =
    "Some Autoloader applications interfere with KETMGR;\n"
    "please disable/close other Autoloader applications first and try again.";

// The program's message box as another program sees it: a standard dialog
// window titled "Spoolcat" that belongs to the program's process.
HWND FindMessageBox(DWORD processId) {
  std::vector<HWND> boxes = MessageBoxesOf(processId, "Spoolcat");
  return boxes.empty() ? nullptr : boxes.front();
}

std::vector<HWND> ChildrenOfClass(HWND top, const std::string& className) {
  std::vector<HWND> found;
  for (HWND hwnd : Children(top)) {
    if (_stricmp(ClassName(hwnd).c_str(), className.c_str()) == 0) found.push_back(hwnd);
  }
  return found;
}

// The texts of the box's labels that say something (the icon is a label too).
std::vector<std::string> LabelTexts(HWND box) {
  std::vector<std::string> texts;
  for (HWND label : ChildrenOfClass(box, "Static")) {
    std::string text = Text(label);
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

using JobFaults = SpoolcatE2e;

TEST_F(JobFaults, OccupiedRobotShowsTheBoxOnTopThenReturnsToReadyForAnotherTry) {
  // The empty stack makes the second try short: its load ends the job at once.
  AddManager("discs = 0\noccupied_loads = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  ASSERT_FALSE(TopMost(main_));

  Click(main_, kRipping);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(spoolcat_.id())) != nullptr; }, kStep))
      << "no box titled \"Spoolcat\"; status: " << Status();
  EXPECT_EQ(LabelTexts(box), std::vector<std::string>{kOccupiedText});
  std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
  EXPECT_EQ(Text(buttons[0]), "OK");
  // Above every other window while the box waits; nothing re-enabled yet.
  EXPECT_TRUE(TopMost(main_));
  EXPECT_FALSE(Enabled(main_, kRipping));
  EXPECT_FALSE(Enabled(main_, kExit));

  Click(box, IDOK);
  // Without a window manager Wine takes about 2 s to take the box down.
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 10000)) << "OK did not close the box";
  ASSERT_TRUE(WaitForStatus("Ready", 5000)) << Status();
  EXPECT_EQ(Status(), "Ready");
  EXPECT_TRUE(Enabled(main_, kRipping));
  EXPECT_TRUE(Enabled(main_, kExit));
  // The player stays as chosen for the next try.
  EXPECT_FALSE(Enabled(main_, kPlayers));
  EXPECT_FALSE(TopMost(main_));
  Sleep(1000);  // room for a wrong Release to show up
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad}));

  // The other program has let go: the next click loads again.
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForStatus("Job Done", kStep)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad, kLoad, kRelease}));
  EXPECT_EQ(FindMessageBox(spoolcat_.id()), nullptr);
}

TEST_F(JobFaults, LoadWithoutAnswerKeepsTheWindowLoadingAndOpen) {
  // An empty stack: no disc arrives either, so only the answer could move it on.
  AddManager("discs = 0\nno_answer = load\n");
  AddPlayer(Player::MediaPlayer, "");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  Click(main_, kRipping);
  ASSERT_TRUE(WaitForLine(ManagerLog(), "action=\"load\" result=\"Error\"", kStep))
      << "the manager did not get to its answer";
  ASSERT_TRUE(WaitForLine(ManagerLog(), "skipped", 1000));

  // Four seconds of a window that keeps waiting, and keeps animating.
  const std::regex loading("Disc Loading( \\.{0,3})?");
  std::set<std::string> seen;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 4000) {
    std::string status = Status();
    ASSERT_TRUE(std::regex_match(status, loading)) << status;
    seen.insert(status);
    Sleep(100);
  }
  EXPECT_GE(seen.size(), 3u) << "the status line stopped moving";

  ExpectEveryCloseRefused();
  EXPECT_TRUE(std::regex_match(Status(), loading)) << Status();
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad}));
}

TEST_F(JobFaults, TerminateStopsTheStatusLineButTheJobGoesOnToJobDone) {
  // The second command is the load; right after the disc has arrived the
  // manager adds "Terminate", while the player still rips for six seconds.
  AddManager("discs = 1\nnotice_after.2 = Terminate\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 6000\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  Click(main_, kRipping);
  const std::string conflict = "Conflict with other application";
  ASSERT_TRUE(WaitForStatus(conflict, kStep)) << Status();
  ASSERT_TRUE(
      WaitForLine(ManagerLog(), "action=\"Terminate\" result=\"OK\" detail=\"\" delivered", 1000));
  // The disc is loaded, a state that animates; after "Terminate" it does not.
  Sleep(2500);
  EXPECT_EQ(Status(), conflict);

  // The player's eject and the notices after "Terminate" still drive the job.
  ASSERT_TRUE(WaitForStatus("Job Done", kStep)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad, kUnload, kLoad, kRelease}));
  EXPECT_TRUE(Enabled(main_, kRipping));
  EXPECT_TRUE(Enabled(main_, kExit));
}

}  // namespace
}  // namespace e2e
