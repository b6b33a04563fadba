#include "fixture.h"

#include <cstdio>

namespace e2e {

namespace {

constexpr const char* kOutsidePrograms[] = {"spoolcat.exe", "ketmgr.exe", "wmplayer.exe",
                                            "itunes.exe"};

void KillOutsidePrograms() {
  for (const char* exe : kOutsidePrograms) KillAll(exe);
}

void PrintFile(const std::string& title, const std::string& path) {
  std::vector<std::string> lines = ReadLines(path);
  if (lines.empty()) return;
  std::printf("--- %s (%s)\n", title.c_str(), path.c_str());
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

}  // namespace

void SpoolcatE2e::SetUp() {
  if (Built::spoolcat().empty()) GTEST_SKIP() << "spoolcat.exe is not part of this build";
  // A test that was killed by its time-out may have left programs running.
  KillOutsidePrograms();
  ResetRegistry();
  install_ =
      std::make_unique<InstallDir>(::testing::UnitTest::GetInstance()->current_test_info()->name());
  install_->Add(Built::spoolcat(), "spoolcat.exe");
}

void SpoolcatE2e::TearDown() {
  if (HasFailure() && install_) {
    PrintFile("manager log", ManagerLog());
    if (main_ && IsWindow(main_)) std::printf("status line: \"%s\"\n", Status().c_str());
  }
  spoolcat_.Kill();
  KillOutsidePrograms();
}

void SpoolcatE2e::AddManager(const std::string& robotIni) {
  ASSERT_FALSE(Built::ketmgr().empty()) << "ketmgr.exe is not part of this build";
  install_->Add(Built::ketmgr(), "ketmgr.exe");
  install_->Write("robot.ini", robotIni);
}

void SpoolcatE2e::StartSpoolcat() {
  ASSERT_TRUE(spoolcat_.Start(install_->file("spoolcat.exe"), "", install_->path()));
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (HWND hwnd : TopLevelWindowsTitled(kMainCaption)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          if (pid == spoolcat_.id()) {
            main_ = hwnd;
            return true;
          }
        }
        return false;
      },
      15000))
      << "no window \"" << kMainCaption << "\" of the started program";
}

bool SpoolcatE2e::WaitForStatus(const std::string& text, DWORD timeoutMs) {
  return WaitUntil([&] { return Status().compare(0, text.size(), text) == 0; }, timeoutMs);
}

}  // namespace e2e
