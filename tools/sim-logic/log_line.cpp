#include "log_line.h"

#include <cstdio>

namespace sc::tools {

std::string LogLine(const Stamp& s, unsigned long pid, const std::string& body) {
  char head[64];
  std::snprintf(head, sizeof head, "%04d-%02d-%02d %02d:%02d:%02d.%03d [%lu] ", s.year, s.month,
                s.day, s.hour, s.minute, s.second, s.millis, pid);
  std::string line = head + body;
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line + "\n";
}

std::string Quoted(const std::string& name, const std::string& value) {
  return name + "=\"" + value + "\"";
}

std::string NoticeBody(const std::string& to, const Notice& notice, const std::string& status) {
  return "NOTICE " + Quoted("to", to) + " " + Quoted("source", notice.source) + " " +
         Quoted("action", notice.action) + " " + Quoted("result", notice.result) + " " +
         Quoted("detail", notice.detail) + " " + status;
}

}  // namespace sc::tools
