// notify-test.cmd as a user runs it: under cmd.exe, with the notify command
// in the registry root that the Windows version picks, the logging program
// as the command. cmd.exe learns its version from Wine's per-program
// setting, as spoolcat.exe does, and the script asks "ver".
#include <fstream>
#include <sstream>

#include "fixture.h"
#include "notify_record.h"

namespace e2e {
namespace {

constexpr const char* kCmdVersionKey = "Software\\Wine\\AppDefaults\\cmd.exe";
constexpr const char* kValueName = "Notify command";

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class NotifyTestCmd : public SpoolcatE2e {
 protected:
  void SetUp() override {
    SpoolcatE2e::SetUp();
    if (IsSkipped()) return;
    if (Built::notifyLog().empty()) GTEST_SKIP() << "notify-log.exe is not part of this build";
    install_->Add(Built::notifyLog(), "notify-log.exe");
    // As the release ships it: with Windows line ends.
    std::string script;
    for (char c : ReadWhole(Built::notifyTestCmd())) {
      if (c == '\n') script += '\r';
      if (c != '\r') script += c;
    }
    ASSERT_FALSE(script.empty()) << Built::notifyTestCmd();
    install_->Write("notify-test.cmd", script);
  }
  void TearDown() override {
    Reg::DeleteTree(HKEY_CURRENT_USER, kCmdVersionKey);
    SpoolcatE2e::TearDown();
  }

  void CmdSees(const std::string& wineVersion) {
    Reg::SetString(HKEY_CURRENT_USER, kCmdVersionKey, "Version", wineVersion);
  }
  std::string LogCommand(const std::string& log) const {
    return "\"" + install_->file("notify-log.exe") + "\" \"" + install_->file(log) + "\"";
  }

  // The script's exit code; what it wrote goes to Output().
  std::optional<DWORD> RunScript() {
    std::string line = "/c \"\"" + install_->file("notify-test.cmd") + "\" < nul > \"" +
                       install_->file("output.txt") + "\" 2>&1\"";
    return RunToEnd("cmd.exe", line, 60000);
  }
  std::string Output() const { return ReadWhole(install_->file("output.txt")); }
  std::vector<sc::tools::NotifyRecord> Records(const std::string& log) const {
    return sc::tools::ParseNotifyLog(ReadWhole(install_->file(log)));
  }
};

TEST_F(NotifyTestCmd, RunsTheCommandOnceAsWrittenWithTheTestEventAndSaysWhenItsProgramIsMissing) {
  CmdSees("win7");
  // Quotes, blanks and cmd's own characters reach the command unchanged.
  const std::string command = LogCommand("notify.log") + " a&b >> \"c d\" e^f (g)";
  Reg::SetString(HKEY_CURRENT_USER, kSettingsKey, kValueName, command);

  ASSERT_EQ(RunScript(), DWORD{0}) << Output();
  std::vector<sc::tools::NotifyRecord> records = Records("notify.log");
  ASSERT_EQ(records.size(), 1u) << Output();
  const sc::tools::NotifyRecord& record = records[0];
  EXPECT_EQ(record.command_line, command);
  EXPECT_EQ(record.Value("SPOOLCAT_EVENT"), "test");
  EXPECT_EQ(record.Value("SPOOLCAT_LOADED"), "3");
  EXPECT_EQ(record.Value("SPOOLCAT_UNLOADED"), "2");
  EXPECT_EQ(record.Value("SPOOLCAT_REJECTED"), "1");
  EXPECT_FALSE(record.Value("SPOOLCAT_STATUS").empty());
  EXPECT_FALSE(record.Value("SPOOLCAT_STARTED").empty());
  EXPECT_NE(record.Value("SPOOLCAT_SUMMARY").find(record.Value("SPOOLCAT_STARTED")),
            std::string::npos)
      << record.Value("SPOOLCAT_SUMMARY");
  char profile[MAX_PATH] = {};
  GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
  EXPECT_STRCASEEQ(record.folder.c_str(), profile);
  EXPECT_NE(Output().find("The command started."), std::string::npos) << Output();

  // Neither a program named by its path nor one looked for in the PATH is
  // run when Windows would not find it.
  for (const std::string& missing :
       {"\"" + install_->file("missing.exe") + "\" --now", std::string("no-such-notifier --now")}) {
    Reg::SetString(HKEY_CURRENT_USER, kSettingsKey, kValueName, missing);
    EXPECT_EQ(RunScript(), DWORD{2}) << missing << "\n" << Output();
    EXPECT_NE(Output().find("Windows cannot find the program"), std::string::npos) << Output();
  }
  EXPECT_EQ(Records("notify.log").size(), 1u);

  Reg::DeleteValue(HKEY_CURRENT_USER, kSettingsKey, kValueName);
  EXPECT_EQ(RunScript(), DWORD{1}) << Output();
  EXPECT_NE(Output().find("There is no \"Notify command\" value"), std::string::npos) << Output();
}

TEST_F(NotifyTestCmd, OnXpReadsTheMachineKeyAndExpandsItsReferences) {
  CmdSees("winxp");
  // The user's key holds a command too, which XP's Spoolcat never reads.
  Reg::SetString(HKEY_CURRENT_USER, kSettingsKey, kValueName, LogCommand("user.log"));
  Reg::SetExpandString(HKEY_LOCAL_MACHINE, kSettingsKey, kValueName,
                       LogCommand("machine.log") + " %SystemRoot%");

  ASSERT_EQ(RunScript(), DWORD{0}) << Output();
  std::vector<sc::tools::NotifyRecord> records = Records("machine.log");
  ASSERT_EQ(records.size(), 1u) << Output();
  char windows[MAX_PATH] = {};
  GetEnvironmentVariableA("SystemRoot", windows, MAX_PATH);
  EXPECT_EQ(records[0].command_line, LogCommand("machine.log") + " " + windows);
  EXPECT_EQ(records[0].Value("SPOOLCAT_EVENT"), "test");
  EXPECT_TRUE(Records("user.log").empty());
}

}  // namespace
}  // namespace e2e
