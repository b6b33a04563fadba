// One line of a substitute's log: "<date> <time> [<pid>] <EVENT> <fields>",
// fields as name="text" or name=number. The e2e tests grep these lines, so
// the shape is fixed; tools/robot-sim/README.md lists every event.
#pragma once

#include <string>

#include "notice_record.h"

namespace sc::tools {

struct Stamp {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millis = 0;
};

// Ends in "\n". A body with a line break would split the line, so breaks
// become blanks.
std::string LogLine(const Stamp& stamp, unsigned long pid, const std::string& body);

// name="value"
std::string Quoted(const std::string& name, const std::string& value);

// NOTICE to="..." source="..." action="..." result="..." detail="..." <status>
std::string NoticeBody(const std::string& to, const Notice& notice, const std::string& status);

}  // namespace sc::tools
