// The taskbar button from across the room: a job of three discs clicked to
// "Ripping", another program brought to the front, run to "Job Done", seen by
// a taskbar object that logs every call, registered in the prefix in place of
// Wine's own; then the same job with no taskbar object at all, as on XP.
// FlashWindowEx shows on Wine's "win" channel at every call.
#include "fixture.h"
#include "soak_stack.h"

namespace e2e {
namespace {

// CLSID_TaskbarList's server, in the 32-bit view the program reads.
constexpr const char* kServer = "CLSID\\{56FDF344-FD6D-11d0-958A-006097C9A090}\\InprocServer32";

class TaskbarButton : public SpoolcatE2e {
 protected:
  void SetUp() override {
    SpoolcatE2e::SetUp();
    wineServer_ = Reg::String(HKEY_CLASSES_ROOT, kServer, "");
  }
  void TearDown() override {
    if (wineServer_) Reg::SetString(HKEY_CLASSES_ROOT, kServer, "", *wineServer_);
    SpoolcatE2e::TearDown();
  }

  void RegisterServer(const std::string& dll) {
    Reg::SetString(HKEY_CLASSES_ROOT, kServer, "", dll);
    Reg::SetString(HKEY_CLASSES_ROOT, kServer, "ThreadingModel", "Apartment");
  }

  // Three discs through Windows Media Player, the player's window in front
  // from the click on.
  void RunJobWithThePlayerInFront() {
    StartJobWithThePlayerInFront("");
    ASSERT_TRUE(WaitForJobDone(20000)) << Status();
  }
  void StartJobWithThePlayerInFront(const std::string& robotIni) {
    CloseWindowsAtOnce();
    AddManager(std::string(kQuickRobot) + "discs = 3\n" + robotIni);
    AddPlayer(Player::MediaPlayer, "rip_ms = 200\n");
    StartSpoolcatTraced("-all,fixme+win");
    ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();
    Click(main_, kRipping);
    const HWND player = WaitForWindow("Windows Media Player", 10000);
    ASSERT_NE(player, nullptr);
    SetForegroundWindow(player);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == player; }, 5000));
  }

  std::vector<std::string> Calls(const std::string& method) const {
    std::vector<std::string> calls;
    for (const std::string& line : ReadLines(log_))
      if (line.compare(0, method.size() + 1, method + " ") == 0)
        calls.push_back(line.substr(method.size() + 1));
    return calls;
  }

  std::optional<std::string> wineServer_;
  std::string log_;
};

TEST_F(TaskbarButton, GoesOnUntilJobDoneCountsTheDiscsAndFlashesForTheUserAway) {
  install_->Add(Built::taskbarLog(), "taskbar_log.dll");
  log_ = install_->file("taskbar_log.dll.log");
  RegisterServer(install_->file("taskbar_log.dll"));
  RunJobWithThePlayerInFront();
  // The button is the application window's, the one that owns the main window.
  const std::string button =
      std::to_string(reinterpret_cast<UINT_PTR>(GetWindow(main_, GW_OWNER))) + " ";
  EXPECT_EQ(Calls("SetProgressState"), (std::vector<std::string>{button + "1", button + "0"}));
  const std::vector<std::string> tips = Calls("SetThumbnailTooltip");
  ASSERT_EQ(tips.size(), 7u) << "the start, then each load's and unload's answer";
  EXPECT_EQ(tips.front().rfind(
                button + "0 discs loaded, 0 unloaded, 0 to the reject bin; job started ", 0),
            0u)
      << tips.front();
  EXPECT_EQ(tips.back().rfind(button + "3 discs loaded, 3 unloaded, 0 to the reject bin; ", 0), 0u)
      << tips.back();
  EXPECT_EQ(Calls("Other").size(), 0u);
  EXPECT_EQ(CountLines(TraceFile(), "FlashWindowEx"), 1);
}

// The robot never answers the load. With the limit shortened to a minute the
// button turns yellow over a full bar, flashes once, and the tooltip's first
// line says since when, the figures after a CR LF; the answer brings the
// moving bar back.
TEST_F(TaskbarButton, ALoadUnansweredPastItsLimitTurnsYellowUntilTheAnswerComes) {
  install_->Add(Built::taskbarLog(), "taskbar_log.dll");
  log_ = install_->file("taskbar_log.dll.log");
  RegisterServer(install_->file("taskbar_log.dll"));
  Reg::SetDword(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Spoolcat", "Robot answer minutes", 1);
  StartJobWithThePlayerInFront("no_answer = load\n");
  const std::string button =
      std::to_string(reinterpret_cast<UINT_PTR>(GetWindow(main_, GW_OWNER))) + " ";
  ASSERT_TRUE(WaitUntil([&] { return Calls("SetProgressState").size() == 2; }, 75000));
  EXPECT_EQ(Calls("SetProgressState"), (std::vector<std::string>{button + "1", button + "8"}));
  EXPECT_EQ(Calls("SetProgressValue"), std::vector<std::string>{button + "1 1"});
  EXPECT_EQ(CountLines(log_, "No answer from the robot to the load since "), 1);
  std::string alarm;
  for (const std::string& tip : Calls("SetThumbnailTooltip"))
    if (tip.find("No answer") != std::string::npos) alarm = tip;
  EXPECT_EQ(alarm.rfind(button + "No answer from the robot to the load since ", 0), 0u) << alarm;
  const std::size_t figures =
      alarm.find("\\r\\n0 discs loaded, 0 unloaded, 0 to the reject bin; job started ");
  EXPECT_NE(figures, std::string::npos) << alarm;
  EXPECT_EQ(alarm.find("\\n"), figures + 2) << "one line break, a CR LF: " << alarm;
  EXPECT_EQ(CountLines(TraceFile(), "FlashWindowEx"), 1);
  EXPECT_EQ(Status().rfind("Disc Load", 0), 0u) << "the window itself waits as before";

  ASSERT_TRUE(SendNotice(main_, "load", "OK", ""));
  ASSERT_TRUE(WaitUntil([&] { return Calls("SetProgressState").size() == 3; }, 5000));
  EXPECT_EQ(Calls("SetProgressState").back(), button + "1");
}

TEST_F(TaskbarButton, WithoutATaskbarObjectAsOnXpTheJobStillEndsAndTheButtonFlashes) {
  RegisterServer(install_->file("no_such_taskbar.dll"));
  RunJobWithThePlayerInFront();
  EXPECT_EQ(Status(), "Job Done");
  EXPECT_EQ(CountLines(TraceFile(), "FlashWindowEx"), 1);
}

}  // namespace
}  // namespace e2e
