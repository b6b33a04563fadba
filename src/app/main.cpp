// The composition root of spoolcat.exe: the real Windows backends handed to
// the portable program.
#include "app/program.h"
#include "platform/win32/win32_library_search.h"
#include "platform/win32/win32_platform.h"
#include "player/dialog_watcher.h"
#include "ui/win32/win32_ui.h"
#include "util/no_destructor.h"

namespace {

// The responder thread's context and everything it reaches, in static storage
// and never destroyed. The thread is terminated from outside, and when its
// exit code cannot be read, or start-up throws after it was created, it is
// left running until the process ends, after main has returned.
sc::NoDestructor<sc::Win32Platform> gPlatform;
sc::WatchBlock gWatch;
sc::ResponderOptions gResponderOptions;
sc::DialogWatcherContext gWatcher{gPlatform->platform().desktop, gPlatform->platform().system,
                                  gPlatform->platform().threads, gWatch, gResponderOptions};

}  // namespace

int main() {
  sc::win32::KeepLibrarySearchInSystemFolder();
  sc::Win32Ui ui;
  return sc::RunProgram(gPlatform->platform(), ui, gWatcher);
}
