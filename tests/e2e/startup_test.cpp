// The first seconds of spoolcat.exe: what it asks the manager, what it writes
// to the registry (under the root of each Windows version), what the window
// shows, that it will not close yet, and the pace of its timers.
#include <regex>

#include "fixture.h"
#include "windows_version.h"

namespace e2e {
namespace {

// The manager only writes down its command lines and never answers, so the
// program stays where its start-up leaves it.
constexpr const char* kRecordingManager = "record_only = yes\n";

using Startup = SpoolcatE2e;

// Every timer at its pace, watched from outside: bounds wide enough for a
// shared machine, which half or twice an interval breaks.
TEST_F(Startup, ChecksAnimatesEverySecondWaitsForANoticeThenReadsAWaitingReportEvery100Ms) {
  // The test plays the robot software, whose report says "Wait" until told.
  AddManager(kRecordingManager);
  const std::string unit = std::string(kRobotKey) + "\\Unit1";
  Reg::SetString(HKEY_CURRENT_USER, kRobotKey, "Robot Report", "Wait");
  Reg::SetDword(HKEY_CURRENT_USER, unit, "Online", 1);
  Reg::SetDword(HKEY_CURRENT_USER, unit, "Writers", 1);
  Reg::SetString(HKEY_CURRENT_USER, unit + "\\Writer1", "", "E: Writer 1");
  StartSpoolcatTraced("-all,trace+reg");
  EXPECT_EQ(TopLevelWindowsTitled(kMainCaption).size(), 1u);
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_FALSE(Enabled(main_, kRipping));

  // No answer yet: the line animates with a blank and up to three dots.
  std::vector<DWORD> ticks;
  for (std::string shown = Status(); ticks.size() < 6; shown = Status()) {
    ASSERT_TRUE(std::regex_match(shown, std::regex("Initializing( \\.{0,3})?"))) << shown;
    ASSERT_TRUE(WaitUntil([&] { return Status() != shown; }, 3000, 10)) << "the dots stopped";
    ticks.push_back(GetTickCount());
  }
  EXPECT_NEAR((ticks.back() - ticks.front()) / 5.0, 1000, 300) << "ms between the dots";
  EXPECT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});
  ExpectEveryCloseRefused();

  const DWORD sent = GetTickCount();
  ASSERT_TRUE(SendNotice(main_, "Refresh", "OK", ""));
  ASSERT_TRUE(WaitUntil([&] { return Enabled(main_, kExit); }, 500, 5))
      << "the notice was not handed on in 0.5 s";
  Sleep(2000 - (GetTickCount() - sent));
  Reg::SetString(HKEY_CURRENT_USER, kRobotKey, "Robot Report", "Ready");
  ASSERT_TRUE(WaitForStatus("Ready", 5000)) << Status();
  Sleep(1000);  // room for reads that go on

  // In Wine's trace RegQueryValueExA's line names the value as ,"Name", (the
  // kernel's line below it as L"Name").
  EXPECT_NEAR(CountLines(TraceFile(), ",\"Robot Report\","), 20, 6) << "reads in 2 s of Wait";
  EXPECT_EQ(CountLines(TraceFile(), ",\"Online\","), 1) << "the list is built once";
}

// On the taskbar the program is "Spoolcat": a window of its own owns the main
// window, which alone keeps the caption the manager looks for.
TEST_F(Startup, StandsOnTheTaskbarThroughAnApplicationWindowThatOwnsTheMainOne) {
  AddManager(kRecordingManager);
  StartSpoolcat();

  const HWND application = GetWindow(main_, GW_OWNER);
  ASSERT_NE(application, nullptr) << "the main window has no owner";
  EXPECT_EQ(GetAncestor(application, GA_PARENT), GetDesktopWindow()) << "not a top-level window";
  DWORD process = 0;
  GetWindowThreadProcessId(application, &process);
  EXPECT_EQ(process, spoolcat_.id());
  EXPECT_EQ(Text(application), "Spoolcat");
  EXPECT_EQ(FindWindowA(nullptr, kMainCaption), main_);
}

using StartupOnWindows = SpoolcatOnWindows;

INSTANTIATE_TEST_SUITE_P(Versions, StartupOnWindows, ::testing::ValuesIn(kWindowsVersions),
                         VersionName);

TEST_P(StartupOnWindows, KeepsItsSettingsUnderTheVersionsRoot) {
  AddManager(kRecordingManager);
  StartSpoolcat();

  EXPECT_EQ(Reg::String(Root(), kSettingsKey, ""), install_->file("spoolcat.exe"));
  EXPECT_FALSE(Reg::KeyExists(OtherRoot(), kSettingsKey));
  // With the manager beside it, the robot's key is none of its business.
  EXPECT_FALSE(Reg::KeyExists(Root(), kRobotKey));
  EXPECT_FALSE(Reg::KeyExists(OtherRoot(), kRobotKey));
}

TEST_P(StartupOnWindows, WithoutAManagerBesideItAsksTheRobotSoftwareUnderTheVersionsRoot) {
  StartSpoolcat();

  EXPECT_EQ(Reg::String(Root(), kRobotKey, "Robot Report"), "Check");
  EXPECT_FALSE(Reg::KeyExists(OtherRoot(), kRobotKey));
}

}  // namespace
}  // namespace e2e
