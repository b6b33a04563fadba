#include "platform/sim/sim_threads.h"

#include <algorithm>

namespace sc::sim {

ThreadHandle SimThreads::create(Routine routine, void* argument) {
  if (failures_.check("create")) return 0;
  const ThreadHandle handle = nextHandle_;
  nextHandle_ += 4;
  starts_.push_back(ThreadStart{handle, routine, argument});
  exitCodes_[handle] = kStillActive;
  return handle;
}

bool SimThreads::exitCode(ThreadHandle thread, std::uint32_t* code) {
  auto it = exitCodes_.find(thread);
  if (it == exitCodes_.end() || failures_.check("exitCode")) return false;
  *code = it->second;
  return true;
}

bool SimThreads::terminate(ThreadHandle thread, std::uint32_t code) {
  auto it = exitCodes_.find(thread);
  if (it == exitCodes_.end() || failures_.check("terminate")) return false;
  terminations_.emplace_back(thread, code);
  // A thread that has already ended keeps the code it ended with.
  if (it->second == kStillActive) it->second = code;
  return true;
}

void SimThreads::sleep(std::uint32_t milliseconds) {
  sleeps_.push_back(milliseconds);
  if (sleepHook_) sleepHook_(milliseconds);
}

void SimThreads::finish(ThreadHandle thread, std::uint32_t code) { exitCodes_[thread] = code; }

std::uint32_t SimThreads::run(ThreadHandle thread) {
  auto it = std::find_if(starts_.begin(), starts_.end(),
                         [thread](const ThreadStart& s) { return s.handle == thread; });
  if (it == starts_.end()) return kStillActive;
  const std::uint32_t code = it->routine(it->argument);
  finish(thread, code);
  return code;
}

}  // namespace sc::sim
