// Threads and sleeping through kernel32. Closes the handles it created when
// destroyed; a thread still running keeps running.
#pragma once

#include <list>
#include <vector>

#include "platform/platform.h"

namespace sc::win32 {

class Win32Threads final : public Threads {
 public:
  Win32Threads() = default;
  ~Win32Threads() override;

  ThreadHandle create(Routine routine, void* argument) override;
  bool exitCode(ThreadHandle thread, std::uint32_t* code) override;
  bool terminate(ThreadHandle thread, std::uint32_t code) override;
  void sleep(std::uint32_t milliseconds) override;

  // What a new thread starts from.
  struct StartRecord {
    Routine routine;
    void* argument;
  };

 private:
  std::vector<ThreadHandle> created_;
  // Owned here, not by the threads, for as long as this object lives; a list,
  // so a record stays where it is while later threads are added.
  std::list<StartRecord> starts_;
};

}  // namespace sc::win32
