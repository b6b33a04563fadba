// The taskbar button, for a user across the room or back in the morning: how
// the job stands, a flash when a person is needed, and the night's figures.
// The job machine decides; nothing here is written anywhere.
#include "app/frm_main.h"
#include "job/taskbar_face.h"

namespace sc {

void TfrmMain::ShowProgress() {
  platform_.taskbar.setProgress(handle(), TaskbarShows(job_.progress));
}

void TfrmMain::ShowFigures() {
  platform_.taskbar.setTooltip(handle(),
                               FiguresTooltip(job_.figures, TextOf(jobStartedAt_)).c_str());
}

// Decided as the state changes, before anything (the "Occupied" box) brings
// the window forward; a user who looks at the window already needs no flash.
void TfrmMain::AskForUser() {
  if (!platform_.taskbar.programInForeground()) platform_.taskbar.flash(handle());
}

// Explorer made the button anew, empty: show what it showed. Before the first
// job there is nothing to show.
void TfrmMain::OnTaskbarButtonCreated() {
  if (!jobStarted_) return;
  ShowProgress();
  ShowFigures();
}

}  // namespace sc
