// The user's notify command through a night, run by the real program: a
// logger that writes down its command line, folder and SPOOLCAT_* variables
// hears a load answered past its one-minute limit, then the end of the stack;
// a command that does not exist costs the night nothing; one that never ends
// does not hold the exit.
#include "fixture.h"
#include "notify_record.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr const char* kOwnKey = "SOFTWARE\\Venmora\\Spoolcat";

class NotifyCommand : public SpoolcatE2e {
 protected:
  // One disc through Windows Media Player, with `robotIni` for the robot, and
  // `command` as the notify command.
  void StartNight(const std::string& robotIni, const std::string& command) {
    CloseWindowsAtOnce();
    Reg::SetString(HKEY_CURRENT_USER, kOwnKey, "Notify command", command);
    AddManager(std::string(kQuickRobot) + "discs = 1\n" + robotIni);
    AddPlayer(Player::MediaPlayer, "rip_ms = 200\n");
    StartSpoolcat();
    ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();
    Click(main_, kRipping);
  }
  std::string Logger() {
    install_->Add(Built::notifyLog(), "notify-log.exe");
    return "\"" + install_->file("notify-log.exe") + "\" " + log_;
  }
  std::vector<sc::tools::NotifyRecord> Records() const {
    std::string text;
    for (const std::string& line : ReadLines(log_)) text += line + "\n";
    return sc::tools::ParseNotifyLog(text);
  }

  std::string log_ = "C:\\spoolcat-e2e\\notify.log";
};

TEST_F(NotifyCommand, HearsStuckGoingOnAndDoneWithTheNightsFigures) {
  if (Built::notifyLog().empty()) GTEST_SKIP() << "notify-log.exe was not built";
  DeleteFileA(log_.c_str());
  Reg::SetDword(HKEY_CURRENT_USER, kOwnKey, "Robot answer minutes", 1);
  StartNight("load_delay_ms = 65000\n", Logger());
  ASSERT_TRUE(WaitUntil([&] { return Records().size() == 1; }, 75000));
  EXPECT_EQ(Records()[0].Value("SPOOLCAT_EVENT"), "stuck");
  ASSERT_TRUE(WaitForJobDone(20000)) << Status();
  ASSERT_TRUE(WaitUntil([&] { return Records().size() == 3; }, 10000));
  const std::vector<sc::tools::NotifyRecord> records = Records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].Value("SPOOLCAT_EVENT"), "going-on");
  EXPECT_EQ(records[1].Value("SPOOLCAT_LOADED"), "1");
  const sc::tools::NotifyRecord& done = records[2];
  EXPECT_EQ(done.Value("SPOOLCAT_EVENT"), "done");
  EXPECT_EQ(done.Value("SPOOLCAT_STATUS"), "Job Done");
  EXPECT_EQ(done.Value("SPOOLCAT_LOADED") + done.Value("SPOOLCAT_UNLOADED") +
                done.Value("SPOOLCAT_REJECTED"),
            "110");
  EXPECT_FALSE(done.Value("SPOOLCAT_STARTED").empty());
  EXPECT_EQ(
      done.Value("SPOOLCAT_SUMMARY").rfind("1 disc loaded, 1 unloaded, 0 to the reject bin", 0), 0u)
      << done.Value("SPOOLCAT_SUMMARY");
  // As written, in the user's profile folder, with nothing added to the line.
  EXPECT_EQ(done.command_line, Logger());
  char profile[MAX_PATH] = {};
  GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
  EXPECT_EQ(done.folder, profile);
}

TEST_F(NotifyCommand, ACommandThatIsNotThereCostsTheNightNothing) {
  StartNight("", "C:\\nowhere\\notify.exe --mail");
  ASSERT_TRUE(WaitForJobDone(20000)) << Status();
  EXPECT_EQ(Status(), "Job Done");
}

TEST_F(NotifyCommand, ACommandThatNeverEndsDoesNotHoldTheExit) {
  if (Built::notifyLog().empty()) GTEST_SKIP() << "notify-log.exe was not built";
  DeleteFileA(log_.c_str());
  StartNight("", Logger() + " --hang");
  ASSERT_TRUE(WaitForJobDone(20000)) << Status();
  ASSERT_TRUE(WaitUntil([&] { return Records().size() == 1; }, 10000));
  Click(main_, kExit);
  EXPECT_TRUE(spoolcat_.WaitExit(5000)) << "the exit waited for the notify command";
  const HANDLE logger = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, Records()[0].pid);
  ASSERT_NE(logger, nullptr);
  EXPECT_EQ(WaitForSingleObject(logger, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "it still runs";
  TerminateProcess(logger, 0);
  CloseHandle(logger);
}

}  // namespace
}  // namespace e2e
