// The programs a test's code starts, as the simulated Windows keeps them: a
// program environment of its own, every start recorded, and programs a test
// installs, which run inside the start as a started process would at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

struct LaunchCall {
  std::string commandLine;
  std::string environment;  // the block as given
  std::string folder;
  long result = 0;
};

class SimLauncher final : public Launcher {
 public:
  SimLauncher();

  std::string expand(const std::string& text) override;
  std::string environment() override;
  std::string profileFolder() override;
  long start(const std::string& commandLine, const std::string& environment,
             const std::string& folder, std::string& errorText) override;

  // The program's own environment: sets, or with `value` none, removes.
  void setVariable(const std::string& name, const std::string& value);
  void removeVariable(const std::string& name);
  // The shell's profile folder, for a program without USERPROFILE.
  void setShellProfile(const std::string& folder) { shellProfile_ = folder; }
  // A program that starts: the first word of a command line names it, whole
  // or without ".exe", compared without case. Any other fails to start with
  // ERROR_FILE_NOT_FOUND.
  void install(const std::string& path, std::function<void(const LaunchCall&)> run = {});

  const std::vector<LaunchCall>& calls() const { return calls_; }

  // Operation start; subject: the program's first word. The rule's error is
  // the result.
  FailurePlan& failures() { return failures_; }

 private:
  struct Program {
    std::string path;
    std::function<void(const LaunchCall&)> run;
  };

  std::vector<std::pair<std::string, std::string>> variables_;
  std::string shellProfile_;
  std::vector<Program> programs_;
  std::vector<LaunchCall> calls_;
  FailurePlan failures_;
};

// Windows' text for the errors a start may meet; "Windows error N" for another.
std::string SimErrorText(long error);

}  // namespace sc::sim
