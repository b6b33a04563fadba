#include "fixture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace e2e {

namespace {

constexpr const char* kOutsidePrograms[] = {"spoolcat.exe", "ketmgr.exe", "wmplayer.exe",
                                            "itunes.exe", "notify-log.exe"};

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
  // A disc that an interrupted test left in the drive would be ripped at once.
  EmptyFolder("E:");
  // A parameterised test's name ends in "/<parameter>", which is no folder name.
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(name.begin(), name.end(), '/', '-');
  install_ = std::make_unique<InstallDir>(name);
  install_->Add(Built::spoolcat(), "spoolcat.exe");
}

void SpoolcatE2e::TearDown() {
  if (HasFailure() && install_) {
    PrintFile("manager log", ManagerLog());
    PrintFile("Windows Media Player log", PlayerLog(Player::MediaPlayer));
    PrintFile("iTunes log", PlayerLog(Player::ITunes));
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

std::vector<std::string> SpoolcatE2e::ManagerCommands() const {
  std::vector<std::string> commands;
  for (const std::string& line : ReadLines(ManagerLog())) {
    const std::string tag = "] COMMAND ";
    std::size_t at = line.find(tag);
    if (at != std::string::npos) commands.push_back(line.substr(at + tag.size()));
  }
  return commands;
}

std::map<std::string, std::string> SpoolcatE2e::RobotState() const {
  std::map<std::string, std::string> state;
  for (const std::string& line : ReadLines(install_->file("robot.state"))) {
    std::size_t equals = line.find(" = ");
    if (equals != std::string::npos) state[line.substr(0, equals)] = line.substr(equals + 3);
  }
  return state;
}

bool SpoolcatE2e::WaitForManagersToFinish(DWORD timeoutMs) const {
  return WaitUntil([] { return CountProcesses("ketmgr.exe") == 0; }, timeoutMs);
}

namespace {

struct PlayerFiles {
  const char* folder;
  const char* exe;
};

PlayerFiles FilesOf(SpoolcatE2e::Player player) {
  return player == SpoolcatE2e::Player::MediaPlayer
             ? PlayerFiles{"players\\Windows Media Player", "wmplayer"}
             : PlayerFiles{"players\\iTunes", "itunes"};
}

}  // namespace

void SpoolcatE2e::AddPlayer(Player player, const std::string& ini) {
  std::string built = player == Player::MediaPlayer ? Built::wmplayer() : Built::itunes();
  ASSERT_FALSE(built.empty()) << "the substitute player is not part of this build";
  PlayerFiles files = FilesOf(player);
  CreateDirectoryA(install_->file("players").c_str(), nullptr);
  std::string dir = install_->file(files.folder);
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string exe = dir + "\\" + files.exe + ".exe";
  CopyFileA(built.c_str(), exe.c_str(), FALSE);
  std::ofstream(dir + "\\" + files.exe + ".ini", std::ios::binary) << ini;
  if (player == Player::MediaPlayer) {
    RegisterWindowsMediaPlayer(dir);
  } else {
    RegisterITunes(exe);
  }
}

std::string SpoolcatE2e::PlayerLog(Player player) const {
  PlayerFiles files = FilesOf(player);
  return install_->file(files.folder) + "\\" + files.exe + ".log";
}

void SpoolcatE2e::StartSpoolcatAt(const std::string& exe) {
  ASSERT_TRUE(spoolcat_.Start(exe, "", exe.substr(0, exe.find_last_of('\\')), desktop_));
  FindMainWindow();
}

void SpoolcatE2e::StartSpoolcatTraced(const std::string& channels) {
  ASSERT_TRUE(spoolcat_.StartTraced(install_->file("spoolcat.exe"), install_->path(), channels,
                                    TraceFile()));
  FindMainWindow();
}

void SpoolcatE2e::FindMainWindow() {
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

void SpoolcatE2e::ExpectEveryCloseRefused() {
  EXPECT_FALSE(Enabled(main_, kExit));
  EXPECT_FALSE(SendClose(main_, 2000)) << "the close box closed the window";
  Click(main_, kExit);
  Sleep(1000);
  EXPECT_TRUE(IsWindow(main_)) << "a click on the disabled Exit closed the window";
  EXPECT_TRUE(spoolcat_.Running());
}

bool SpoolcatE2e::WaitForStatus(const std::string& text, DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        // The animation writes the text, a blank and 0 to 3 dots.
        std::string steady = Status();
        steady.erase(steady.find_last_not_of('.') + 1);
        if (!steady.empty() && steady.back() == ' ') steady.pop_back();
        return steady == text;
      },
      timeoutMs);
}

void SpoolcatE2e::SetOption(int id, bool checked) {
  if (Checked(main_, id) != checked) Click(main_, id);
  ASSERT_TRUE(WaitUntil([&] { return Checked(main_, id) == checked; }, 5000))
      << "option " << id << " did not take " << checked;
}

bool SpoolcatE2e::WaitForJobDone(DWORD stallMs) {
  auto logSizes = [&] {
    return std::vector<std::uint64_t>{FileSize(ManagerLog()),
                                      FileSize(PlayerLog(Player::MediaPlayer)),
                                      FileSize(PlayerLog(Player::ITunes))};
  };
  std::vector<std::uint64_t> last = logSizes();
  DWORD lastMove = GetTickCount();
  while (Status().compare(0, 8, "Job Done") != 0) {
    std::vector<std::uint64_t> now = logSizes();
    if (now != last) {
      last = now;
      lastMove = GetTickCount();
    } else if (GetTickCount() - lastMove >= stallMs) {
      return false;
    }
    Sleep(100);
  }
  return true;
}

}  // namespace e2e
