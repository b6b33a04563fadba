#include "notify_record.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace sc::tools {

namespace {

constexpr const char* kHeader = "--- notify-log pid=";
constexpr const char* kCommandLine = "command line";
constexpr const char* kFolder = "folder";
constexpr const char* kPrefix = "SPOOLCAT_";

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) !=
        std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    // Written with "\n" alone; a CR here came from an editor, not from a value.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string NotifyRecord::Value(const std::string& name) const {
  for (const auto& [key, value] : variables) {
    if (key == name) return value;
  }
  return "";
}

bool NotifyRecord::Has(const std::string& name) const {
  for (const auto& entry : variables) {
    if (entry.first == name) return true;
  }
  return false;
}

std::string EscapeLogValue(const std::string& raw) {
  std::string out;
  for (char c : raw) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (u < 0x20 || u == 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnescapeLogValue(const std::string& escaped) {
  std::string out;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    char c = escaped[i];
    if (c != '\\' || i + 1 == escaped.size()) {
      out += c;
      continue;
    }
    char next = escaped[++i];
    if (next == 'r') {
      out += '\r';
    } else if (next == 'n') {
      out += '\n';
    } else if (next == 'x' && i + 2 < escaped.size() && HexDigit(escaped[i + 1]) >= 0 &&
               HexDigit(escaped[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(escaped[i + 1]) * 16 + HexDigit(escaped[i + 2]));
      i += 2;
    } else {
      out += next;
    }
  }
  return out;
}

NotifyVariables SelectNotifyVariables(const std::vector<std::string>& entries) {
  NotifyVariables selected;
  for (const std::string& entry : entries) {
    if (!StartsWithNoCase(entry, kPrefix)) continue;
    std::size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    selected.emplace_back(entry.substr(0, equals), entry.substr(equals + 1));
  }
  return selected;
}

std::string FormatNotifyRecord(const NotifyRecord& record) {
  std::string text = kHeader + std::to_string(record.pid) + "\n";
  text += std::string(kCommandLine) + "=" + EscapeLogValue(record.command_line) + "\n";
  text += std::string(kFolder) + "=" + EscapeLogValue(record.folder) + "\n";
  for (const auto& [name, value] : record.variables) {
    text += EscapeLogValue(name) + "=" + EscapeLogValue(value) + "\n";
  }
  return text;
}

std::vector<NotifyRecord> ParseNotifyLog(const std::string& text) {
  std::vector<NotifyRecord> records;
  const std::string header = kHeader;
  for (const std::string& line : SplitLines(text)) {
    if (line.compare(0, header.size(), header) == 0) {
      records.emplace_back();
      records.back().pid = std::strtoul(line.c_str() + header.size(), nullptr, 10);
      continue;
    }
    std::size_t equals = line.find('=');
    if (records.empty() || equals == std::string::npos) continue;
    std::string name = UnescapeLogValue(line.substr(0, equals));
    std::string value = UnescapeLogValue(line.substr(equals + 1));
    NotifyRecord& record = records.back();
    if (name == kCommandLine) {
      record.command_line = value;
    } else if (name == kFolder) {
      record.folder = value;
    } else {
      record.variables.emplace_back(name, value);
    }
  }
  return records;
}

NotifyLogOptions ParseNotifyLogArgs(const std::vector<std::string>& args) {
  NotifyLogOptions options;
  for (const std::string& arg : args) {
    if (arg == "--hang") {
      options.hang = true;
    } else if (options.log_path.empty()) {
      options.log_path = arg;
    }
  }
  return options;
}

}  // namespace sc::tools
