#include "platform/sim/sim_launcher.h"

#include "platform/environment_block.h"
#include "platform/sim/nocase.h"

namespace sc::sim {

namespace {

// The program a command line names: the quoted first word, or the text up to
// the first blank.
std::string FirstWord(const std::string& commandLine) {
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t end = commandLine.find('"', 1);
    return commandLine.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  return commandLine.substr(0, commandLine.find_first_of(" \t"));
}

}  // namespace

std::string SimErrorText(long error) {
  switch (error) {
    case kErrorFileNotFound:
      return "The system cannot find the file specified.";
    case kErrorPathNotFound:
      return "The system cannot find the path specified.";
    case kErrorAccessDenied:
      return "Access is denied.";
    default:
      return "Windows error " + std::to_string(error);
  }
}

SimLauncher::SimLauncher() {
  variables_ = {{"=C:", "C:\\Tests"},
                {"PATH", "C:\\Windows\\system32;C:\\Windows"},
                {"SystemRoot", "C:\\Windows"},
                {"USERPROFILE", "C:\\Users\\Night"}};
}

void SimLauncher::setVariable(const std::string& name, const std::string& value) {
  for (auto& variable : variables_)
    if (equalsNoCase(variable.first, name)) {
      variable.second = value;
      return;
    }
  variables_.emplace_back(name, value);
}

void SimLauncher::removeVariable(const std::string& name) {
  for (auto it = variables_.begin(); it != variables_.end(); ++it)
    if (equalsNoCase(it->first, name)) {
      variables_.erase(it);
      return;
    }
}

// As Windows expands: a "%" opens a name that the next "%" closes; a name of
// no variable is copied as written, its closing "%" opening the next.
std::string SimLauncher::expand(const std::string& text) {
  const std::string block = environment();
  std::string result;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('%', at);
    if (open == std::string::npos) break;
    const std::size_t close = text.find('%', open + 1);
    if (close == std::string::npos) break;
    result += text.substr(at, open - at);
    const std::string name = text.substr(open + 1, close - open - 1);
    const auto value = name.empty() ? std::nullopt : VariableIn(block, name);
    if (value) {
      result += *value;
      at = close + 1;
    } else {
      result += text.substr(open, close - open);
      at = close;
    }
  }
  return result + text.substr(at);
}

std::string SimLauncher::environment() {
  std::string block;
  for (const auto& [name, value] : variables_) {
    block += name + "=" + value;
    block += '\0';
  }
  if (!block.empty()) block += '\0';
  return block;
}

std::string SimLauncher::profileFolder() {
  return VariableIn(environment(), "USERPROFILE").value_or(shellProfile_);
}

void SimLauncher::install(const std::string& path, std::function<void(const LaunchCall&)> run) {
  programs_.push_back({path, std::move(run)});
}

long SimLauncher::start(const std::string& commandLine, const std::string& environment,
                        const std::string& folder, std::string& errorText) {
  calls_.push_back({commandLine, environment, folder, kErrorSuccess});
  LaunchCall& call = calls_.back();
  const std::string program = FirstWord(commandLine);
  const Program* found = nullptr;
  for (const Program& installed : programs_)
    if (equalsNoCase(installed.path, program) || equalsNoCase(installed.path, program + ".exe"))
      found = &installed;
  call.result = failures_.check("start", program);
  if (call.result == kErrorSuccess && found == nullptr) call.result = kErrorFileNotFound;
  if (call.result != kErrorSuccess) {
    errorText = SimErrorText(call.result);
    return call.result;
  }
  errorText.clear();
  const LaunchCall started = call;
  if (found->run) found->run(started);
  return kErrorSuccess;
}

}  // namespace sc::sim
