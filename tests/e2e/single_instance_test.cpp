// One copy per user: starting spoolcat.exe again while it runs brings the
// running copy's window back and ends the new one at once, before the
// manager or the settings see anything of it.
#include "fixture.h"

namespace e2e {
namespace {

constexpr const char* kRecordingManager = "record_only = yes\n";
const std::string kSettingsKey = "SOFTWARE\\Venmora\\Spoolcat";

using SecondStart = SpoolcatE2e;

TEST_F(SecondStart, BringsTheMinimizedFirstCopyBackAndEndsAtOnceWithZero) {
  AddManager(kRecordingManager);
  StartSpoolcat();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "COMMAND", 10000)) << "the manager was not started";
  const HWND application = GetWindow(main_, GW_OWNER);
  ASSERT_NE(application, nullptr);
  // The minimize box, as the user clicks it.
  SendMessageA(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(application) && !IsWindowVisible(main_); }, 5000));
  // Gone from the registry, so that a second copy that wrote its settings
  // would show.
  Reg::DeleteTree(HKEY_CURRENT_USER, kSettingsKey);

  Process second;
  ASSERT_TRUE(second.Start(install_->file("spoolcat.exe"), "", install_->path()));
  ASSERT_TRUE(second.WaitExit(10000)) << "the second copy did not end by itself";
  EXPECT_EQ(second.ExitCode(), 0u);

  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(application) && IsWindowVisible(main_); }, 5000))
      << "the first copy's window stayed minimized";
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_; }, 5000))
      << "the first copy's window is not the foreground window";
  EXPECT_EQ(TopLevelWindowsTitled(kMainCaption), std::vector<HWND>{main_});
  EXPECT_EQ(ManagerCommands(), std::vector<std::string>{"--caller Spoolcat: --action Check"});
  EXPECT_FALSE(Reg::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
  EXPECT_TRUE(spoolcat_.Running());
}

}  // namespace
}  // namespace e2e
