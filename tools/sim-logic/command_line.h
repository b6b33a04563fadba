// The manager's command line: pairs "--name value" separated by one space. A
// value is taken whole, spaces included, up to the next " --" or the end,
// because the caller inserts writer texts such as "E: Writer 1" unquoted.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sc::tools {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Splits a line into its pairs, in order. Text before the first "--" (such as
// a program name) is skipped.
Pairs ParsePairs(const std::string& line);

struct ManagerRequest {
  std::string caller;
  std::string action;
  std::string target;
  bool has_target = false;
};

// The last value of each known name wins; unknown names are ignored.
ManagerRequest ReadRequest(const Pairs& pairs);

}  // namespace sc::tools
