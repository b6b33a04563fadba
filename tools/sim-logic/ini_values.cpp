#include "ini_values.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace sc::tools {
namespace {

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r\n";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

bool ParseNumber(const std::string& text, long& out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return false;
  out = value;
  return true;
}

IniValues IniValues::Parse(const std::string& text) {
  IniValues ini;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';') continue;
    std::size_t eq = trimmed.find('=');
    if (eq == std::string::npos) continue;
    std::string key = Trim(trimmed.substr(0, eq));
    if (key.empty()) continue;
    ini.values_[key] = Unquote(Trim(trimmed.substr(eq + 1)));
  }
  return ini;
}

std::string IniValues::Text(const std::string& key, const std::string& fallback) const {
  auto it = values_.find(key);
  return it == values_.end() ? fallback : it->second;
}

long IniValues::Number(const std::string& key, long fallback) const {
  long value = fallback;
  auto it = values_.find(key);
  if (it != values_.end()) ParseNumber(it->second, value);
  return value;
}

bool IniValues::Flag(const std::string& key, bool fallback) const {
  auto it = values_.find(key);
  if (it == values_.end()) return fallback;
  const std::string& v = it->second;
  if (v == "1" || v == "yes" || v == "true" || v == "on") return true;
  if (v == "0" || v == "no" || v == "false" || v == "off") return false;
  return fallback;
}

std::vector<std::string> IniValues::List(const std::string& key) const {
  return SplitList(Text(key, ""));
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::string current;
  for (char c : text) {
    if (c == ',' || c == ' ' || c == '\t') {
      if (!current.empty()) items.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) items.push_back(current);
  return items;
}

}  // namespace sc::tools
