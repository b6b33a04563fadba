#include "manager_commands.h"

namespace e2e {

std::vector<std::string> JobCommands(const std::vector<std::string>& outs) {
  std::vector<std::string> commands{kCheck};
  for (const std::string& out : outs) {
    commands.push_back(kLoad);
    commands.push_back("--caller Spoolcat: --action " + out + " --target " + kWriter);
  }
  commands.push_back(kLoad);
  commands.push_back(kRelease);
  return commands;
}

}  // namespace e2e
