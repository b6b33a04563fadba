// Work that other threads hand to the window thread. The tasks wait here, not
// in the message: the message that wakes the window carries nothing, so a
// message forged by another program can at most run what is really queued.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace sc {

class TaskQueue {
 public:
  void push(std::function<void()> task);
  // Takes the waiting tasks, oldest first.
  std::deque<std::function<void()>> takeAll();
  bool empty() const;

 private:
  mutable std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace sc
