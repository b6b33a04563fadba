// The std::thread backend keeps the thread contract where it can, and stops a
// thread cooperatively where TerminateThread would kill it.
#include "threaded/std_threads.h"

#include <gtest/gtest.h>

#include <atomic>

namespace sc::testing {
namespace {

struct Loop {
  StdThreads* threads = nullptr;
  std::atomic<int> rounds{0};
  std::atomic<bool> unwound{false};
  std::atomic<bool> release{false};
};

// Sleeps in a loop, as the responder does, until released.
std::uint32_t SleepsUntilReleased(void* argument) {
  auto& loop = *static_cast<Loop*>(argument);
  struct Unwinding {
    Loop& loop;
    ~Unwinding() { loop.unwound = true; }
  } guard{loop};
  while (!loop.release) {
    ++loop.rounds;
    loop.threads->sleep(1);
  }
  return 42;
}

void WaitForRounds(const Loop& loop, int rounds) {
  while (loop.rounds.load() < rounds) std::this_thread::yield();
}

TEST(StdThreadsTest, ARunningThreadIsStillActiveThenEndsWithWhatItReturns) {
  Loop loop;  // outlives the backend, which stops the thread if a check fails
  StdThreads threads;
  loop.threads = &threads;
  const ThreadHandle thread = threads.create(SleepsUntilReleased, &loop);
  ASSERT_NE(thread, 0u);
  WaitForRounds(loop, 1);
  std::uint32_t code = 0;
  ASSERT_TRUE(threads.exitCode(thread, &code));
  EXPECT_EQ(code, kStillActive);
  loop.release = true;
  while (threads.exitCode(thread, &code) && code == kStillActive) std::this_thread::yield();
  EXPECT_EQ(code, 42u);
  // Terminating a thread that has ended keeps the code it ended with.
  EXPECT_TRUE(threads.terminate(thread, 7));
  ASSERT_TRUE(threads.exitCode(thread, &code));
  EXPECT_EQ(code, 42u);
}

TEST(StdThreadsTest, TerminateStopsTheThreadAtItsNextSleepAndWaitsForIt) {
  Loop loop;
  StdThreads threads(1000000);  // a millisecond lasts a second: only the stop ends a sleep
  loop.threads = &threads;
  const ThreadHandle thread = threads.create(SleepsUntilReleased, &loop);
  WaitForRounds(loop, 1);
  EXPECT_TRUE(threads.terminate(thread, 7));
  // Ended when terminate returns, its stack unwound, with the code given.
  EXPECT_TRUE(loop.unwound);
  std::uint32_t code = 0;
  ASSERT_TRUE(threads.exitCode(thread, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_EQ(loop.rounds.load(), 1);
  EXPECT_EQ(threads.sleepsOfThreads(), 1u);
}

TEST(StdThreadsTest, UnknownHandlesAndTheBackendsEndStopEverything) {
  std::uint32_t code = 0;
  Loop loop;
  {
    StdThreads threads(1000000);
    loop.threads = &threads;
    EXPECT_FALSE(threads.exitCode(0x1234, &code));
    EXPECT_FALSE(threads.terminate(0x1234, 1));
    threads.create(SleepsUntilReleased, &loop);
    WaitForRounds(loop, 1);
  }
  EXPECT_TRUE(loop.unwound);
}

}  // namespace
}  // namespace sc::testing
