// Records every ShellExecuteA a test's code makes. Nothing starts; the answer
// is a configured instance value, or SE_ERR_FNF (2) for an absolute path that
// the linked file system does not hold, as Wine answers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

class SimFileSystem;

constexpr std::intptr_t kSeErrFileNotFound = 2;

// Null string arguments stay nullopt, so a test sees "none" apart from "".
struct ShellCall {
  WindowHandle owner = 0;
  std::optional<std::string> operation;
  std::optional<std::string> file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;
  int showCommand = 0;
};

class SimShell final : public Shell {
 public:
  explicit SimShell(SimFileSystem* files = nullptr) : files_(files) {}

  std::intptr_t execute(WindowHandle owner, const char* operation, const char* file,
                        const char* parameters, const char* directory, int showCommand) override;

  const std::vector<ShellCall>& calls() const { return calls_; }
  void setResult(std::intptr_t result) { result_ = result; }
  // Runs inside each call, after it is recorded, so a test can look at the
  // rest of the world at that moment.
  void setHook(std::function<void(const ShellCall&)> hook) { hook_ = std::move(hook); }

  // Operation execute; subject: the file. The rule's error is the result.
  FailurePlan& failures() { return failures_; }

 private:
  SimFileSystem* files_;
  std::vector<ShellCall> calls_;
  std::intptr_t result_ = 42;
  std::function<void(const ShellCall&)> hook_;
  FailurePlan failures_;
};

}  // namespace sc::sim
