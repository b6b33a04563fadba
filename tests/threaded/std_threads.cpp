#include "threaded/std_threads.h"

#include <chrono>
#include <system_error>

namespace sc::testing {

namespace {

// Thrown by sleep() on a thread asked to stop; its start catches it.
struct StopRequested {};

}  // namespace

struct StdThreads::Worker {
  Worker(StdThreads& owner, Routine routine, void* argument)
      : owner(owner), routine(routine), argument(argument) {}

  StdThreads& owner;
  const Routine routine;
  void* const argument;
  std::atomic<std::uint32_t> exitCode{kStillActive};

  std::mutex mutex;  // guards the stop request
  std::condition_variable stopped;
  bool stopRequested = false;
  std::uint32_t stopCode = 0;

  std::mutex joinMutex;  // one join, whoever asks first
  std::thread thread;
};

thread_local StdThreads::Worker* StdThreads::current_ = nullptr;

StdThreads::StdThreads(std::uint32_t microsecondsPerMillisecond)
    : microsecondsPerMillisecond_(microsecondsPerMillisecond) {}

StdThreads::~StdThreads() {
  for (auto& [handle, worker] : workers_) stopAndJoin(*worker, 0);
}

ThreadHandle StdThreads::create(Routine routine, void* argument) {
  std::lock_guard<std::mutex> lock(workersMutex_);
  auto worker = std::make_unique<Worker>(*this, routine, argument);
  try {
    worker->thread = std::thread(&StdThreads::run, std::ref(*worker));
  } catch (const std::system_error&) {
    return 0;
  }
  const ThreadHandle handle = nextHandle_;
  nextHandle_ += 4;
  workers_.emplace(handle, std::move(worker));
  return handle;
}

bool StdThreads::exitCode(ThreadHandle thread, std::uint32_t* code) {
  Worker* worker = find(thread);
  if (worker == nullptr) return false;
  *code = worker->exitCode.load();
  return true;
}

bool StdThreads::terminate(ThreadHandle thread, std::uint32_t code) {
  Worker* worker = find(thread);
  // A thread cannot wait for its own end.
  if (worker == nullptr || worker == current_) return false;
  stopAndJoin(*worker, code);
  return true;
}

void StdThreads::sleep(std::uint32_t milliseconds) {
  const auto duration = std::chrono::microseconds(
      std::uint64_t{milliseconds} * microsecondsPerMillisecond_.load(std::memory_order_relaxed));
  Worker* worker = current_;
  if (worker == nullptr || &worker->owner != this) {
    std::this_thread::sleep_for(duration);
    return;
  }
  sleeps_.fetch_add(1, std::memory_order_relaxed);
  std::unique_lock<std::mutex> lock(worker->mutex);
  if (worker->stopped.wait_for(lock, duration, [worker] { return worker->stopRequested; }))
    throw StopRequested{};
}

std::vector<ThreadHandle> StdThreads::created() {
  std::lock_guard<std::mutex> lock(workersMutex_);
  std::vector<ThreadHandle> handles;
  for (const auto& [handle, worker] : workers_) handles.push_back(handle);
  return handles;
}

StdThreads::Worker* StdThreads::find(ThreadHandle thread) {
  std::lock_guard<std::mutex> lock(workersMutex_);
  const auto it = workers_.find(thread);
  return it == workers_.end() ? nullptr : it->second.get();
}

void StdThreads::run(Worker& worker) {
  current_ = &worker;
  std::uint32_t code = 0;
  try {
    code = worker.routine(worker.argument);
  } catch (const StopRequested&) {
    std::lock_guard<std::mutex> lock(worker.mutex);
    code = worker.stopCode;
  }
  worker.exitCode.store(code);
}

// The first request's code stands; a thread that has returned by itself keeps
// the code it returned.
void StdThreads::stopAndJoin(Worker& worker, std::uint32_t code) {
  {
    std::lock_guard<std::mutex> lock(worker.mutex);
    if (!worker.stopRequested) {
      worker.stopRequested = true;
      worker.stopCode = code;
    }
  }
  worker.stopped.notify_all();
  std::lock_guard<std::mutex> lock(worker.joinMutex);
  if (worker.thread.joinable()) worker.thread.join();
}

}  // namespace sc::testing
