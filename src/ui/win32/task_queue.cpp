#include "ui/win32/task_queue.h"

namespace sc {

void TaskQueue::push(std::function<void()> task) {
  std::lock_guard<std::mutex> lock(mutex_);
  tasks_.push_back(std::move(task));
}

std::deque<std::function<void()>> TaskQueue::takeAll() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::deque<std::function<void()>> taken;
  taken.swap(tasks_);
  return taken;
}

bool TaskQueue::empty() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return tasks_.empty();
}

}  // namespace sc
