#pragma once

#include "platform/platform.h"
#include "player/dialog_watcher.h"
#include "ui/widgets/ui_backend.h"

namespace sc {

// The name every copy of the program claims at start, one holder per
// logon session, and signals in the global namespace. Other versions of the
// program, and the setup (package/spoolcat.nsi), must use the same name.
constexpr const char* kInstanceName = "Venmora.Spoolcat";

// The program: the main window built and created, shown, and the message loop
// run until it closes. Every exception that escapes start-up is shown in the
// box titled "Spoolcat". When another copy already runs in this session, its
// window is brought to the front instead, and nothing else happens. The
// result is always 0. `watcher` is handed to the responder thread and must
// outlive it.
int RunProgram(const Platform& platform, UiBackend& ui, DialogWatcherContext& watcher);

}  // namespace sc
