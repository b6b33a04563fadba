#pragma once

#include "platform/platform.h"
#include "player/dialog_watcher.h"
#include "ui/widgets/ui_backend.h"

namespace sc {

// The program: the main window built and created, shown, and the message loop
// run until it closes. Every exception that escapes start-up is shown in the
// box titled "Spoolcat"; the result is always 0. `watcher` is handed to the
// responder thread and must outlive it.
int RunProgram(const Platform& platform, UiBackend& ui, DialogWatcherContext& watcher);

}  // namespace sc
