#pragma once

#include "platform/platform.h"
#include "player/watch_block.h"
#include "ui/widgets/ui_backend.h"

namespace sc {

// The program: the main window built and created, shown, and the message loop
// run until it closes. Every exception that escapes start-up is shown in the
// box titled "Spoolcat"; the result is always 0.
int RunProgram(const Platform& platform, UiBackend& ui, WatchBlock& watch);

}  // namespace sc
