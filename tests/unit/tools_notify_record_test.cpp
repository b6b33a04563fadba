#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../tools/sim-logic/notify_record.h"

namespace sc::tools {
namespace {

TEST(ToolsNotifyRecord, EscapedValuesKeepCrLfAndBackslashApart) {
  struct Row {
    std::string raw;
    std::string escaped;
  } rows[] = {
      {"Job Done\r\nLoaded: 3", "Job Done\\r\\nLoaded: 3"},
      {"only\nLF and only\rCR", "only\\nLF and only\\rCR"},
      {"C:\\record\\new", "C:\\\\record\\\\new"},
      {"tab\tand bell\a", "tab\\x09and bell\\x07"},
      {"100% \"quoted\" a=b", "100% \"quoted\" a=b"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EscapeLogValue(row.raw), row.escaped) << row.escaped;
    EXPECT_EQ(UnescapeLogValue(row.escaped), row.raw) << row.escaped;
  }
  // A stray or cut escape reads as what is there rather than being lost.
  EXPECT_EQ(UnescapeLogValue("end\\"), "end\\");
  EXPECT_EQ(UnescapeLogValue("\\xZ1"), "xZ1");
}

TEST(ToolsNotifyRecord, OnlySpoolcatVariablesWhateverTheirCase) {
  NotifyVariables selected =
      SelectNotifyVariables({"=C:=C:\\users", "PATH=C:\\windows", "SPOOLCAT_EVENT=done",
                             "Spoolcat_Status=a=b", "SPOOLCAT_STARTED=", "SPOOLCATX=1"});
  NotifyVariables expected = {
      {"SPOOLCAT_EVENT", "done"}, {"Spoolcat_Status", "a=b"}, {"SPOOLCAT_STARTED", ""}};
  EXPECT_EQ(selected, expected);
}

TEST(ToolsNotifyRecord, RecordsReadBackInOrderWithEveryField) {
  NotifyRecord first;
  first.pid = 12;
  first.command_line = "\"C:\\tools\\notify-log.exe\" C:\\logs\\n.log";
  first.folder = "C:\\users\\me";
  first.variables = {{"SPOOLCAT_EVENT", "stuck"}, {"SPOOLCAT_SUMMARY", "a\r\nb"}};
  NotifyRecord second;
  second.pid = 13;
  second.variables = {{"SPOOLCAT_EVENT", "done"}, {"SPOOLCAT_STARTED", ""}};

  std::string log =
      "noise before any record\n" + FormatNotifyRecord(first) + FormatNotifyRecord(second);
  std::vector<NotifyRecord> records = ParseNotifyLog(log);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].pid, 12u);
  EXPECT_EQ(records[0].command_line, first.command_line);
  EXPECT_EQ(records[0].folder, first.folder);
  EXPECT_EQ(records[0].variables, first.variables);
  EXPECT_EQ(records[0].Value("SPOOLCAT_SUMMARY"), "a\r\nb");
  EXPECT_EQ(records[1].Value("SPOOLCAT_EVENT"), "done");
  EXPECT_TRUE(records[1].Has("SPOOLCAT_STARTED"));
  EXPECT_FALSE(records[1].Has("SPOOLCAT_LOADED"));
}

TEST(ToolsNotifyRecord, ArgumentsInEitherOrder) {
  struct Row {
    std::vector<std::string> args;
    std::string path;
    bool hang;
  } rows[] = {
      {{}, "", false},
      {{"C:\\logs\\n.log"}, "C:\\logs\\n.log", false},
      {{"C:\\logs\\n.log", "--hang"}, "C:\\logs\\n.log", true},
      {{"--hang", "C:\\logs\\n.log"}, "C:\\logs\\n.log", true},
      {{"--hang"}, "", true},
  };
  for (const Row& row : rows) {
    NotifyLogOptions options = ParseNotifyLogArgs(row.args);
    EXPECT_EQ(options.log_path, row.path);
    EXPECT_EQ(options.hang, row.hang);
  }
}

}  // namespace
}  // namespace sc::tools
