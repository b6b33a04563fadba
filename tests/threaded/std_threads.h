// Threads on std::thread, for tests that run the responder's real loop on a
// thread of its own beside the window thread. Test-only: the program itself
// uses the Win32 backend.
//
// A std::thread cannot be killed from outside, so terminate() here is a
// cooperative stop, and differs from TerminateThread in three ways:
//  - The thread stops at its next sleep(), not wherever it is. The responder
//    sleeps after every pass and inside every click, so a pass under way runs
//    on to its end or to its next click pause.
//  - The stop unwinds the thread's stack: sleep() throws, and the thread's
//    start catches it, so destructors on the way run (TerminateThread runs
//    none). The responder owns nothing on its stack, so it cannot tell. A
//    routine must let the exception pass; one that swallows it goes on.
//  - terminate() returns once the thread has ended (TerminateThread only
//    starts the termination): from then on nothing the thread reached is
//    used, and its exit code is the one given.
// A routine that never sleeps and never returns cannot be stopped: terminate()
// and the destructor would wait for it for ever.
//
// Sleeping is scaled: a thread that asks for one millisecond sleeps
// `microsecondsPerMillisecond` microseconds (0: it only looks for a stop), so
// the responder's 2000 ms pause can be short. Threads of this object are
// stopped (with code 0) and joined when it is destroyed.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace sc::testing {

class StdThreads final : public Threads {
 public:
  explicit StdThreads(std::uint32_t microsecondsPerMillisecond = 1000);
  ~StdThreads() override;

  ThreadHandle create(Routine routine, void* argument) override;
  bool exitCode(ThreadHandle thread, std::uint32_t* code) override;
  bool terminate(ThreadHandle thread, std::uint32_t code) override;
  // On a thread of this object, a stop requested meanwhile ends the wait and
  // the thread; on any other thread (the window thread's short pauses), a
  // plain scaled sleep.
  void sleep(std::uint32_t milliseconds) override;
  // From the next sleep on.
  void setMicrosecondsPerMillisecond(std::uint32_t microseconds) {
    microsecondsPerMillisecond_.store(microseconds, std::memory_order_relaxed);
  }

  // How many times threads of this object have slept so far: a thread that
  // slept twice since a moment has run at least one whole pass after it.
  // Counted relaxed, so that looking orders nothing between the threads.
  std::uint64_t sleepsOfThreads() const { return sleeps_.load(std::memory_order_relaxed); }
  // The handles created so far, oldest first.
  std::vector<ThreadHandle> created();

 private:
  struct Worker;
  // The worker whose thread this is; null on other threads.
  static thread_local Worker* current_;
  Worker* find(ThreadHandle thread);
  static void run(Worker& worker);
  void stopAndJoin(Worker& worker, std::uint32_t code);

  std::atomic<std::uint32_t> microsecondsPerMillisecond_;
  std::atomic<std::uint64_t> sleeps_{0};
  std::mutex workersMutex_;  // guards workers_ and nextHandle_
  std::map<ThreadHandle, std::unique_ptr<Worker>> workers_;
  ThreadHandle nextHandle_ = 0x400;
};

}  // namespace sc::testing
