// The taskbar button from across the room: a job of three discs clicked to
// "Ripping", another program brought to the front, run to "Job Done", seen by
// a taskbar object that logs every call, registered in the prefix in place of
// Wine's own; then the same job with no taskbar object at all, as on XP.
// FlashWindowEx shows on Wine's "win" channel at every call. The pictures of
// the button, asked of the program as DWM asks for them, are seen through a
// dwmapi.dll that logs every call.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

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

// A dwmapi.dll that logs every call, put in the prefix's system folder in
// place of Wine's own, which is kept aside until the test puts it back; and
// beside the program, a planted dwmapi.dll that leaves a file behind when
// loaded. Wine 8 loads a native copy from the system folder for every
// process that asks for it there: the override only says so for this one.
class TaskbarPictures : public TaskbarButton {
 protected:
  using Call = std::map<std::string, std::string>;

  void SetUp() override {
    TaskbarButton::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    systemCopy_ = std::string(folder) + "\\dwmapi.dll";
    // Still there, it is Wine's, kept by a run that was killed before it
    // could put it back.
    const std::string kept = "C:\\spoolcat-e2e\\wine-dwmapi.dll";
    if (GetFileAttributesA(kept.c_str()) == INVALID_FILE_ATTRIBUTES) {
      ASSERT_TRUE(CopyFileA(systemCopy_.c_str(), kept.c_str(), FALSE));
    }
    wineCopy_ = kept;
    ASSERT_TRUE(CopyFileA(Built::dwmLog().c_str(), systemCopy_.c_str(), FALSE));
    install_->Add(Built::plantedDwmapi(), "dwmapi.dll");
    dwmLog_ = install_->file("dwm.log");
  }
  void TearDown() override {
    TaskbarButton::TearDown();
    if (wineCopy_.empty()) return;
    // The program that had the copy mapped is gone, though Wine may take a
    // moment to let go of it.
    const bool back = WaitUntil(
        [&] { return CopyFileA(wineCopy_.c_str(), systemCopy_.c_str(), FALSE) != 0; }, 5000);
    EXPECT_TRUE(back) << "Wine's own dwmapi.dll was not put back";
    if (back) DeleteFileA(wineCopy_.c_str());
  }

  // The program inherits the override and the log's place from this
  // process's environment, set only while it starts.
  void StartWithTheLoggingDwm() {
    char overrides[1024] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
    const std::string ours = std::string(overrides) + (overrides[0] ? ";" : "") + "dwmapi=n";
    SetEnvironmentVariableA("WINEDLLOVERRIDES", ours.c_str());
    SetEnvironmentVariableA("E2E_DWM_LOG", dwmLog_.c_str());
    StartSpoolcat();
    SetEnvironmentVariableA("WINEDLLOVERRIDES", overrides[0] ? overrides : nullptr);
    SetEnvironmentVariableA("E2E_DWM_LOG", nullptr);
  }

  // The logged calls of `function`, each as its name=value words.
  std::vector<Call> DwmCalls(const std::string& function) const {
    std::vector<Call> calls;
    for (const std::string& line : ReadLines(dwmLog_)) {
      std::istringstream words(line);
      std::string word;
      if (!(words >> word) || word != function) continue;
      Call call;
      while (words >> word) {
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos) call[word.substr(0, equals)] = word.substr(equals + 1);
      }
      calls.push_back(call);
    }
    return calls;
  }
  static long Value(const Call& call, const std::string& name) {
    const auto found = call.find(name);
    return found == call.end() ? -1 : std::atol(found->second.c_str());
  }

  std::string systemCopy_;
  std::string wineCopy_;
  std::string dwmLog_;
};

// The pictures asked for at the start, the peek refused, a status change;
// then a disc goes through and the next load is refused as "Occupied".
TEST_F(TaskbarPictures, ShowTheMainWindowOnItsMonitorThroughTheSystemFoldersDwmOnly) {
  install_->Add(Built::taskbarLog(), "taskbar_log.dll");
  log_ = install_->file("taskbar_log.dll.log");
  RegisterServer(install_->file("taskbar_log.dll"));
  CloseWindowsAtOnce();
  // The test answers the loads itself: the first before its disc arrives,
  // the second, which finds no disc, with the refusal.
  AddManager(std::string(kQuickRobot) + "discs = 1\nno_answer = load\narrival_delay_ms = 1000\n");
  AddPlayer(Player::MediaPlayer, "rip_ms = 200\n");
  StartWithTheLoggingDwm();
  ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();
  EXPECT_EQ(GetFileAttributesA(install_->file("dwmapi.dll.loaded").c_str()),
            INVALID_FILE_ATTRIBUTES)
      << "the dwmapi.dll planted beside the program was loaded";
  ASSERT_EQ(CountLines(dwmLog_, "Loaded "), 1) << "the logging dwmapi.dll was not loaded";

  const HWND button = GetWindow(main_, GW_OWNER);
  const std::string window = std::to_string(reinterpret_cast<UINT_PTR>(button));
  std::map<long, long> attributes;
  for (const Call& call : DwmCalls("DwmSetWindowAttribute"))
    if (call.at("window") == window) attributes[Value(call, "attribute")] = Value(call, "value");
  // An iconic picture, drawn by the program, and no peek.
  EXPECT_EQ(attributes, (std::map<long, long>{{7, 1}, {10, 1}, {11, 1}}));

  RECT at = {};
  GetWindowRect(button, &at);
  EXPECT_NE(at.left, -32000) << "parked far off every screen";
  // Just past the monitor's edge: the monitor nearest to it is the main
  // window's, as the taskbar finds it.
  const HMONITOR monitor = MonitorFromWindow(main_, MONITOR_DEFAULTTONULL);
  ASSERT_NE(monitor, nullptr);
  EXPECT_EQ(MonitorFromWindow(button, MONITOR_DEFAULTTONEAREST), monitor);

  RECT client = {};
  GetClientRect(main_, &client);
  for (const SIZE largest : {SIZE{200, 100}, SIZE{100, 200}}) {
    SCOPED_TRACE(std::to_string(largest.cx) + " x " + std::to_string(largest.cy));
    const std::size_t before = DwmCalls("DwmSetIconicThumbnail").size();
    DWORD_PTR answer = 0;
    // WM_DWMSENDICONICTHUMBNAIL: the largest width in the high word.
    ASSERT_NE(SendMessageTimeoutA(button, 0x0323, 0, MAKELPARAM(largest.cy, largest.cx),
                                  SMTO_ABORTIFHUNG, 5000, &answer),
              0);
    const std::vector<Call> pictures = DwmCalls("DwmSetIconicThumbnail");
    ASSERT_EQ(pictures.size(), before + 1);
    const Call& picture = pictures.back();
    const long width = Value(picture, "width");
    const long height = Value(picture, "height");
    EXPECT_EQ(picture.at("window"), window);
    EXPECT_TRUE(width <= largest.cx && height <= largest.cy &&
                (width == largest.cx || height == largest.cy))
        << width << " x " << height;
    // The main window's proportions, short of one pixel.
    EXPECT_LE(std::labs(width * client.bottom - height * client.right),
              std::max(client.right, client.bottom))
        << width << " x " << height << " of " << client.right << " x " << client.bottom;
    EXPECT_EQ(Value(picture, "bits"), 32);
    EXPECT_EQ(Value(picture, "section"), 1);
    EXPECT_EQ(Value(picture, "opaque"), width * height);
    EXPECT_EQ(Value(picture, "blank"), 0);
  }
  DWORD_PTR answer = 0;
  // WM_DWMSENDICONICLIVEPREVIEWBITMAP, should DWM ask all the same.
  SendMessageTimeoutA(button, 0x0326, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_EQ(DwmCalls("DwmSetIconicLivePreviewBitmap").size(), 0u);
  EXPECT_EQ(CountLines(dwmLog_, "Other "), 0) << "a DWM call the log does not know";

  const std::size_t invalidated = DwmCalls("DwmInvalidateIconicBitmaps").size();
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForLine(ManagerLog(), "skipped", 10000)) << Status();
  EXPECT_TRUE(
      WaitUntil([&] { return DwmCalls("DwmInvalidateIconicBitmaps").size() > invalidated; }, 2000))
      << "the status changed, the pictures were not invalidated";
  ASSERT_TRUE(SendNotice(main_, "load", "OK", ""));

  ASSERT_TRUE(WaitUntil([&] { return CountLines(ManagerLog(), "skipped") == 2; }, 10000))
      << Status();
  ASSERT_TRUE(SendNotice(main_, "load", "Error", "Occupied"));
  ASSERT_TRUE(WaitUntil([&] { return CountLines(log_, "The robot refused the job") > 0; }, 5000));
  const std::string tip = Calls("SetThumbnailTooltip").back();
  EXPECT_EQ(tip.rfind(window + " The robot refused the job", 0), 0u) << tip;
  // The logging taskbar object writes CR and LF as \r and \n.
  EXPECT_NE(tip.find("\\r\\n1 disc loaded, 1 unloaded, 0 to the reject bin; job started "),
            std::string::npos)
      << tip;
}

}  // namespace
}  // namespace e2e
