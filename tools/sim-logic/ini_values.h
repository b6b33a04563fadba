// The substitutes' text files (configuration, robot state, disc marker) share
// one shape: "key = value" lines. Blank lines and lines starting with '#' or
// ';' are skipped; keys and values are trimmed, and a value in double quotes
// is taken verbatim between them, so a test can ask for leading or trailing
// blanks. A later line overrides an earlier one with the same key.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sc::tools {

class IniValues {
 public:
  static IniValues Parse(const std::string& text);

  bool Has(const std::string& key) const { return values_.count(key) != 0; }
  std::string Text(const std::string& key, const std::string& fallback) const;
  // A value that is not a whole decimal number gives the fallback.
  long Number(const std::string& key, long fallback) const;
  // "1", "yes", "true", "on" are true; "0", "no", "false", "off" false.
  bool Flag(const std::string& key, bool fallback) const;
  // Items separated by commas or blanks, empty items dropped.
  std::vector<std::string> List(const std::string& key) const;

  const std::map<std::string, std::string>& All() const { return values_; }

 private:
  std::map<std::string, std::string> values_;
};

std::vector<std::string> SplitList(const std::string& text);

// Reads a decimal number that fills the whole text; false if it does not.
bool ParseNumber(const std::string& text, long& out);

}  // namespace sc::tools
