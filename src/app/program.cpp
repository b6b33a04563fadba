#include "app/program.h"

#include <exception>

#include "app/frm_main.h"

namespace sc {

namespace {

// An exception inside FormCreate is shown and goes no further: the rest of
// FormCreate is skipped, and the window is shown all the same.
void CreateAndShow(TfrmMain& form, Application& application) {
  try {
    form.FormCreate();
  } catch (const std::exception& e) {
    application.showException(e.what());
  } catch (...) {
    application.showException("");
  }
  form.show();
}

// Another copy runs in this session when the name is refused. A claim that
// fails in any other way lets this copy run: the guard must never be the
// reason the program does not start.
bool AnotherCopyRuns(SingleInstance& instance) {
  return instance.claim(kInstanceName) == kErrorAlreadyExists;
}

// The first copy may still be building its window, or be on its way out:
// then there is nothing to bring forward, and this copy leaves all the same.
void BringTheFirstCopyForward(Desktop& desktop) {
  const WindowHandle first = desktop.findWindowByTitle(kMainCaption);
  if (first != 0) desktop.bringToFront(first);
}

}  // namespace

int RunProgram(const Platform& platform, UiBackend& ui, DialogWatcherContext& watcher) {
  // Before anything else: a second copy must not send the manager a command,
  // show a window the manager could mistake for the first, or touch the
  // settings.
  if (AnotherCopyRuns(platform.instance)) {
    BringTheFirstCopyForward(platform.desktop);
    return 0;
  }
  // For setups and uninstallers, which must not touch the files of a running
  // copy: the session's name tells only this session, the global one every
  // session. Without it they still see this session's copy.
  platform.instance.signalRunning(kInstanceName);
  Application application{"", ui.boxes()};
  try {
    application.title = kApplicationTitle;
    ui.setApplicationTitle(application.title);
    TfrmMain form(platform, ui, application, watcher);
    ui.attach(form);
    CreateAndShow(form, application);
    ui.run(form, application.title);
  } catch (const std::exception& e) {
    application.showException(e.what());
  } catch (...) {
    application.showException("");
  }
  return 0;
}

}  // namespace sc
