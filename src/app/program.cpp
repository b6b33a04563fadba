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

}  // namespace

int RunProgram(const Platform& platform, UiBackend& ui, DialogWatcherContext& watcher) {
  Application application{"", ui.boxes()};
  try {
    application.title = kApplicationTitle;
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
