#include "robot/manager_command.h"

#include <cstdio>

#include "util/fixed_text.h"

namespace sc {

std::optional<std::string> BuildManagerCommand(const std::vector<CommandPair>& pairs) {
  FixedText<2048> line{};
  int length = -1;
  if (pairs.size() == 2) {
    length =
        std::snprintf(line.data(), line.size(), "--%s %s --%s %s", pairs[0].first.c_str(),
                      pairs[0].second.c_str(), pairs[1].first.c_str(), pairs[1].second.c_str());
  } else if (pairs.size() == 3) {
    length =
        std::snprintf(line.data(), line.size(), "--%s %s --%s %s --%s %s", pairs[0].first.c_str(),
                      pairs[0].second.c_str(), pairs[1].first.c_str(), pairs[1].second.c_str(),
                      pairs[2].first.c_str(), pairs[2].second.c_str());
  }
  // snprintf tells the length the whole line would have had.
  if (length < 0 || static_cast<std::size_t>(length) >= line.size()) return std::nullopt;
  return TextOf(line);
}

}  // namespace sc
