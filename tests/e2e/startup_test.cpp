// The first seconds of spoolcat.exe: what it asks the manager, what it writes
// to the registry (under the root of each Windows version), what the window
// shows and that it will not close yet.
#include <regex>

#include "fixture.h"
#include "windows_version.h"

namespace e2e {
namespace {

constexpr DWORD kSettle = 10000;

// The manager only writes down its command lines and never answers, so the
// program stays where its start-up leaves it.
constexpr const char* kRecordingManager = "record_only = yes\n";

using Startup = SpoolcatE2e;

TEST_F(Startup, AsksTheManagerBesideItForACheckAndShowsInitializing) {
  AddManager(kRecordingManager);
  StartSpoolcat();

  ASSERT_TRUE(WaitForLine(ManagerLog(), "COMMAND", kSettle)) << "the manager was not started";
  Sleep(1500);  // room for a wrong second command to show up
  EXPECT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});

  EXPECT_EQ(TopLevelWindowsTitled(kMainCaption).size(), 1u);
  EXPECT_TRUE(IsWindowVisible(main_));
  // The line animates with a blank and up to three dots.
  EXPECT_TRUE(std::regex_match(Status(), std::regex("Initializing( \\.{0,3})?"))) << Status();
  EXPECT_FALSE(Enabled(main_, kRipping));
}

TEST_F(Startup, RefusesEveryCloseUntilTheManagerHasAnswered) {
  AddManager(kRecordingManager);
  StartSpoolcat();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "COMMAND", kSettle));

  ExpectEveryCloseRefused();
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
