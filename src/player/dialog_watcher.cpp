#include "player/dialog_watcher.h"

#include "player/dialog_responder.h"

namespace sc {

namespace {

constexpr std::uint32_t kPassPauseMs = 2000;
constexpr std::uint32_t kClickPauseMs = 10;
// The point x 10, y 0 of the button's client area, and the same wParam: the
// buttons take this pair as a click.
constexpr std::uintptr_t kClickWParam = 10;
constexpr std::intptr_t kClickLParam = 10;

void ClickButton(DialogWatcherContext& context, const DialogAnswer& answer) {
  Desktop& desktop = context.desktop;
  desktop.setForeground(answer.button);
  context.threads.sleep(kClickPauseMs);
  desktop.sendMouseDown(answer.button, kClickWParam, kClickLParam);
  context.threads.sleep(kClickPauseMs);
  desktop.sendMouseUp(answer.button, kClickWParam, kClickLParam);
  context.watch.WatchActive = false;
  if (answer.declineUnknown) {
    // The flag first: the window thread reads it when the wake arrives.
    context.watch.UnloadRequested = true;
    const WindowHandle mainWindow = context.watch.MainWindow;
    // Window 0 would post to this thread's own queue.
    if (mainWindow != 0) desktop.postWake(mainWindow);
  }
}

}  // namespace

void ResponderPass(DialogWatcherContext& context) {
  if (!context.watch.WatchActive || !context.watch.WatchITunes) return;
  Desktop& desktop = context.desktop;
  for (WindowHandle window = desktop.firstWindow(context.watch.MainWindow); window != 0;
       window = desktop.nextWindow(window)) {
    FixedText<256> name{};
    desktop.className(window, name);
    if (!FieldEquals(name, kITunesDialogClass)) continue;
    // Windows hides a dialog before it destroys it, and a dialog is often
    // made hidden and shown once its controls are there: all its children
    // change visibility at once. Counted across that moment, four or three
    // buttons could pass for the two of the unidentified-disc question, and the
    // disc being ripped would be declined. So a dialog is counted only while it
    // is shown from start to end; a hidden one has no visible child anyway.
    if (!desktop.isVisible(window)) continue;
    const DialogExamination dialog =
        ExamineDialog(desktop, window, context.system.fullScreenWidth());
    if (!desktop.isVisible(window)) continue;
    if (dialog.kind == DialogKind::UnknownDiscDialog) context.watch.UnknownDiscSeen = true;
    const DialogAnswer answer =
        ChooseButton(dialog, context.options.importUnknown, context.options.replaceSongs);
    if (answer.button != 0) {
      ClickButton(context, answer);
      return;
    }
  }
}

std::uint32_t DialogWatcher(void* context) {
  auto& watcher = *static_cast<DialogWatcherContext*>(context);
  for (;;) {
    ResponderPass(watcher);
    watcher.threads.sleep(kPassPauseMs);
  }
}

}  // namespace sc
