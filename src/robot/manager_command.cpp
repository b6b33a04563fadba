#include "robot/manager_command.h"

#include <cstdio>

#include "util/fixed_text.h"

namespace sc {

std::string BuildManagerCommand(const std::vector<CommandPair>& pairs) {
  FixedText<2048> line{};
  if (pairs.size() == 2) {
    std::snprintf(line.data(), line.size(), "--%s %s --%s %s", pairs[0].first.c_str(),
                  pairs[0].second.c_str(), pairs[1].first.c_str(), pairs[1].second.c_str());
  } else if (pairs.size() == 3) {
    std::snprintf(line.data(), line.size(), "--%s %s --%s %s --%s %s", pairs[0].first.c_str(),
                  pairs[0].second.c_str(), pairs[1].first.c_str(), pairs[1].second.c_str(),
                  pairs[2].first.c_str(), pairs[2].second.c_str());
  }
  return TextOf(line);
}

}  // namespace sc
