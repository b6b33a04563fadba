// The responder's thread: started once, asked whether it still runs, and
// terminated at shutdown.
#include <gtest/gtest.h>

#include <atomic>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

std::atomic<bool> gRelease{false};

std::uint32_t waitForRelease(void*) {
  while (!gRelease.load()) {
  }
  return 42;
}

std::uint32_t neverEnds(void* argument) {
  auto* rounds = static_cast<std::atomic<int>*>(argument);
  for (;;) ++*rounds;
}

class ThreadsContract : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = makeContractBackend();
    gRelease = false;
  }
  void TearDown() override { gRelease = true; }

  Threads& threads() { return backend_->platform().threads; }

  // The exit code once the thread has ended, waiting up to about two seconds.
  std::uint32_t exitCodeWhenEnded(ThreadHandle thread) {
    std::uint32_t code = kStillActive;
    for (int i = 0; i < 200; ++i) {
      if (!threads().exitCode(thread, &code) || code != kStillActive) break;
      threads().sleep(10);
    }
    return code;
  }

  std::unique_ptr<ContractBackend> backend_;
};

TEST_F(ThreadsContract, RunningThreadIsStillActiveThenReturnsItsCode) {
  const ThreadHandle thread = threads().create(waitForRelease, nullptr);
  ASSERT_NE(0u, thread);
  std::uint32_t code = 0;
  ASSERT_TRUE(threads().exitCode(thread, &code));
  EXPECT_EQ(kStillActive, code);
  gRelease = true;
  if (!backend_->threadsRun()) backend_->runToEnd(thread);
  EXPECT_EQ(42u, exitCodeWhenEnded(thread));
}

TEST_F(ThreadsContract, TerminatedThreadEndsWithTheGivenCode) {
  std::atomic<int> rounds{0};
  const ThreadHandle thread = threads().create(neverEnds, &rounds);
  ASSERT_NE(0u, thread);
  if (backend_->threadsRun()) {
    while (rounds.load() == 0) threads().sleep(1);
  }
  EXPECT_TRUE(threads().terminate(thread, 7));
  EXPECT_EQ(7u, exitCodeWhenEnded(thread));
}

TEST_F(ThreadsContract, UnknownHandleHasNoExitCode) {
  std::uint32_t code = 0;
  EXPECT_FALSE(threads().exitCode(0x1234, &code));
}

}  // namespace
}  // namespace sc::contract
