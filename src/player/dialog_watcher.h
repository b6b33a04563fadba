// The dialog responder's thread: one pass every 2000 ms, for as long as the
// program runs; it is terminated from outside when the window closes, so it
// holds no lock and owns nothing that needs releasing.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/platform.h"
#include "player/watch_block.h"

namespace sc {

// Copies of the two option boxes the responder follows, kept by the boxes'
// click handlers: the responder never calls into the widgets.
struct ResponderOptions {
  std::atomic<bool> importUnknown{false};  // "Always rip unidentified CD"
  std::atomic<bool> replaceSongs{false};   // "Replace existing songs"
};

struct DialogWatcherContext {
  Desktop& desktop;
  SystemInfo& system;
  Threads& threads;
  WatchBlock& watch;
  ResponderOptions& options;
  // Starts the unload timer on the window thread; callable from any thread.
  std::function<void()> startUnloadTimer;
};

// One pass: answers at most one dialog, and only while a disc is loaded and
// iTunes is the player.
void ResponderPass(DialogWatcherContext& context);

// The thread's start routine; never returns.
std::uint32_t DialogWatcher(void* context);

}  // namespace sc
