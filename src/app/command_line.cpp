#include "app/command_line.h"

#include "util/fixed_text.h"

namespace sc {

bool IsStartedBare(const std::string& commandLine) {
  const std::size_t slash = commandLine.rfind('\\');
  FixedText<260> piece{};
  AssignCut(piece, slash == std::string::npos ? commandLine : commandLine.substr(slash + 1));
  const std::string last = TextOf(piece);
  const std::size_t space = last.find(' ');
  return space == std::string::npos || space + 1 == last.size();
}

}  // namespace sc
