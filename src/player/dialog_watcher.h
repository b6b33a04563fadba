// The dialog responder's thread: one pass every 2000 ms, for as long as the
// program runs; it is terminated from outside when the window closes, so it
// holds no lock and owns nothing that needs releasing.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "player/watch_block.h"

namespace sc {

struct DialogWatcherContext {
  Threads& threads;
  WatchBlock& watch;
};

// One pass: does nothing unless a disc is loaded and iTunes is the player.
void ResponderPass(DialogWatcherContext& context);

// The thread's start routine; never returns.
std::uint32_t DialogWatcher(void* context);

}  // namespace sc
