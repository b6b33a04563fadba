// Threads that never start by themselves: a test sees what was asked for and
// decides what the thread did. Sleeping takes no time; it is recorded, and a
// hook lets a test stop an endless loop (by throwing) after so many rounds.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

struct ThreadStart {
  ThreadHandle handle;
  Threads::Routine routine;
  void* argument;
};

class SimThreads final : public Threads {
 public:
  ThreadHandle create(Routine routine, void* argument) override;
  bool exitCode(ThreadHandle thread, std::uint32_t* code) override;
  bool terminate(ThreadHandle thread, std::uint32_t code) override;
  void sleep(std::uint32_t milliseconds) override;

  const std::vector<ThreadStart>& starts() const { return starts_; }
  const std::vector<std::pair<ThreadHandle, std::uint32_t>>& terminations() const {
    return terminations_;
  }
  const std::vector<std::uint32_t>& sleeps() const { return sleeps_; }
  void setSleepHook(std::function<void(std::uint32_t)> hook) { sleepHook_ = std::move(hook); }

  // The thread has ended with `code`.
  void finish(ThreadHandle thread, std::uint32_t code);
  // Runs the thread's routine on the caller's thread, to its end or until it
  // throws; a return becomes the exit code.
  std::uint32_t run(ThreadHandle thread);

  // Operations create, exitCode and terminate; each fails as a whole.
  FailurePlan& failures() { return failures_; }

 private:
  std::vector<ThreadStart> starts_;
  std::map<ThreadHandle, std::uint32_t> exitCodes_;
  std::vector<std::pair<ThreadHandle, std::uint32_t>> terminations_;
  std::vector<std::uint32_t> sleeps_;
  std::function<void(std::uint32_t)> sleepHook_;
  ThreadHandle nextHandle_ = 0x200;
  FailurePlan failures_;
};

}  // namespace sc::sim
