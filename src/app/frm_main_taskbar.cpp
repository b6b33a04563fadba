// The taskbar button, for a user across the room or back in the morning: how
// the job stands, a flash when a person is needed, the night's figures, and a
// wait that has lasted too long. The job machine decides; nothing here is
// written anywhere.
#include "app/frm_main.h"
#include "job/taskbar_face.h"

namespace sc {

void TfrmMain::ShowProgress() {
  platform_.taskbar.setProgress(handle(), TaskbarShows(job_.progress, job_.waitTooLong));
}

void TfrmMain::ShowFigures() { platform_.taskbar.setTooltip(handle(), TooltipText().c_str()); }

// What the notify command came to is the last line, after what the job tells.
std::string TfrmMain::TooltipText() const {
  const TooltipFacts facts{jobStarted_, refused_, TextOf(jobStartedAt_), TextOf(refusedAt_),
                           TextOf(waitSince_)};
  std::string text = TaskbarTooltip(job_, facts);
  if (!notifyLine_.empty()) text += (text.empty() ? "" : "\r\n") + notifyLine_;
  return text;
}

// Decided as the state changes, before anything (the "Occupied" box) brings
// the window forward; a user who looks at the window already needs no flash.
void TfrmMain::AskForUser() {
  if (!platform_.taskbar.programInForeground()) platform_.taskbar.flash(handle());
}

// The robot refused the job: that, and when, is what the button tells until
// the next "Ripping".
void TfrmMain::ShowRefusal() {
  refused_ = true;
  platform_.system.localTime(refusedAt_);
  ShowFigures();
}

// A new wait began: it is timed from now against its limit, so that a robot
// or a player that never answers shows on the button. No wait, no timer.
void TfrmMain::WatchWait() {
  tmrWait.setEnabled(false);
  const std::uint32_t limit = WaitLimitMs(job_.wait.kind, waitLimits_);
  if (limit == 0) return;
  platform_.system.clockTime(waitSince_);
  tmrWait.setInterval(limit);
  tmrWait.setEnabled(true);
}

void TfrmMain::tmrWaitTimer() {
  tmrWait.setEnabled(false);
  HandleJobEvent({JobEventKind::WaitTooLong});
}

// Explorer made the button anew, empty: show what it showed.
void TfrmMain::OnTaskbarButtonCreated() {
  if (TaskbarShows(job_.progress, job_.waitTooLong) != TaskbarProgress::None) ShowProgress();
  if (jobStarted_ || refused_ || job_.waitTooLong || !notifyLine_.empty()) ShowFigures();
}

}  // namespace sc
