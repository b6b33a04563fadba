#include "player/dialog_watcher.h"

namespace sc {

void ResponderPass(DialogWatcherContext& context) {
  if (!context.watch.WatchActive || !context.watch.WatchITunes) return;
  // Answering iTunes' dialogs is not built yet: an armed pass finds nothing.
}

std::uint32_t DialogWatcher(void* context) {
  auto& watcher = *static_cast<DialogWatcherContext*>(context);
  for (;;) {
    ResponderPass(watcher);
    watcher.threads.sleep(2000);
  }
}

}  // namespace sc
