// The notify logger's record: what a command started by spoolcat.exe saw,
// appended as one block of lines to a log the end-to-end tests read back.
//
//   --- notify-log pid=1234
//   command line="C:\\spoolcat-e2e\\notify-log.exe" C:\\logs\\notify.log
//   folder=C:\\users\\me
//   SPOOLCAT_EVENT=done
//   SPOOLCAT_SUMMARY=Job Done\r\nLoaded: 3
//
// Every value is escaped so that one line stays one line and a CR, an LF and
// a backslash can each be told apart: "\\" "\r" "\n", other control
// characters "\xHH".
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sc::tools {

using NotifyVariables = std::vector<std::pair<std::string, std::string>>;

struct NotifyRecord {
  unsigned long pid = 0;
  std::string command_line;
  std::string folder;
  // In the order the environment block holds them.
  NotifyVariables variables;

  // The value of one variable; empty when the command did not get it.
  std::string Value(const std::string& name) const;
  bool Has(const std::string& name) const;
};

std::string EscapeLogValue(const std::string& raw);
std::string UnescapeLogValue(const std::string& escaped);

// The environment's "NAME=value" entries whose name starts with SPOOLCAT_, as
// Windows compares names: without regard to case. Entries such as "=C:=C:\"
// that begin with "=" are the shell's drive folders, never a variable.
NotifyVariables SelectNotifyVariables(const std::vector<std::string>& entries);

// The block, ending in "\n", written in one append.
std::string FormatNotifyRecord(const NotifyRecord& record);
// Every whole record of a log, oldest first; lines outside a record are skipped.
std::vector<NotifyRecord> ParseNotifyLog(const std::string& text);

// The logger's arguments: [log path] [--hang], in either order. Without a
// path the log goes beside the logger.
struct NotifyLogOptions {
  std::string log_path;
  bool hang = false;
};
NotifyLogOptions ParseNotifyLogArgs(const std::vector<std::string>& args);

}  // namespace sc::tools
