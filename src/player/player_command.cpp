#include "player/player_command.h"

namespace sc {

std::optional<ProgramAndArguments> SplitQuotedCommand(const std::string& command) {
  if (command.empty() || command[0] != '"') return std::nullopt;
  const std::size_t close = command.find('"', 1);
  if (close == std::string::npos || close == 1) return std::nullopt;
  const std::size_t rest = command.find_first_not_of(' ', close + 1);
  return ProgramAndArguments{command.substr(1, close - 1),
                             rest == std::string::npos ? std::string() : command.substr(rest)};
}

}  // namespace sc
