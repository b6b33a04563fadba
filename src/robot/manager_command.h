// The command line handed to the robot manager: two or three "--name value"
// pairs, values inserted as they are (no quotes, spaces kept).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sc {

using CommandPair = std::pair<std::string, std::string>;

// Formats the pairs in the order given into the 2048-byte command buffer.
// Nothing when the whole line does not fit: a cut line would ask the manager
// for another action or another writer than meant.
std::optional<std::string> BuildManagerCommand(const std::vector<CommandPair>& pairs);

}  // namespace sc
