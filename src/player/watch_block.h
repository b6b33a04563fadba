// What the window thread and the dialog responder thread share. Each field is
// read and written whole, and a write by one thread is seen by the other at
// its next read; nothing is locked.
#pragma once

#include <atomic>

#include "platform/platform.h"

namespace sc {

struct WatchBlock {
  std::atomic<bool> WatchActive{false};      // the responder may answer a dialog
  std::atomic<bool> WatchITunes{false};      // iTunes is the selected player
  std::atomic<bool> UnknownDiscSeen{false};  // the unidentified-disc dialog was answered
  std::atomic<WindowHandle> MainWindow{0};
  // The responder declined a disc: the window thread starts the unload timer
  // when the wake message posted after it arrives.
  std::atomic<bool> UnloadRequested{false};
};

}  // namespace sc
