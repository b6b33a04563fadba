// The dialog responder's thread: one pass every 2000 ms, for as long as the
// program runs. It is terminated from outside when the window closes, wherever
// it is, so a pass takes no lock and allocates nothing: a thread killed inside
// the heap's lock would leave every later allocation of the window thread (the
// settings saved at close among them) waiting for ever. Its working state lives
// on its stack, and everything it reaches has static storage.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/platform.h"
#include "player/watch_block.h"

namespace sc {

// Copies of the two option boxes the responder follows, kept by the boxes'
// click handlers: the responder never calls into the widgets.
struct ResponderOptions {
  std::atomic<bool> importUnknown{false};  // "Always rip unidentified CD"
  std::atomic<bool> replaceSongs{false};   // "Replace existing songs"
};

// What the thread reaches. The program keeps it, and everything it refers to,
// in static storage: a thread that could not be stopped still finds it there.
struct DialogWatcherContext {
  Desktop& desktop;
  SystemInfo& system;
  Threads& threads;
  WatchBlock& watch;
  ResponderOptions& options;
};

// One pass: answers at most one dialog, and only while a disc is loaded and
// iTunes is the player. Declining a disc sets UnloadRequested and wakes the
// main window, whose own thread then starts the unload.
void ResponderPass(DialogWatcherContext& context);

// The thread's start routine; never returns.
std::uint32_t DialogWatcher(void* context);

}  // namespace sc
