#include "platform/sim/sim_shell.h"

#include "platform/sim/sim_file_system.h"

namespace sc::sim {
namespace {

std::optional<std::string> copy(const char* text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

bool isAbsolute(const std::string& path) {
  return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::intptr_t SimShell::execute(WindowHandle owner, const char* operation, const char* file,
                                const char* parameters, const char* directory, int showCommand) {
  calls_.push_back(ShellCall{owner, copy(operation), copy(file), copy(parameters), copy(directory),
                             showCommand});
  if (hook_) hook_(calls_.back());
  const std::string target = file != nullptr ? file : "";
  if (long error = failures_.check("execute", target)) return error;
  if (files_ != nullptr && isAbsolute(target) && !files_->lookup(target)) {
    return kSeErrFileNotFound;
  }
  return result_;
}

}  // namespace sc::sim
