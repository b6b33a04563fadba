// The user's notify command: run at the moments the job machine names, with
// the facts in its environment, for a user who is not at the screen. Nothing
// here shows on the window; what became of the command shows in the tooltip.
#include "app/frm_main.h"
#include "job/notify_facts.h"
#include "job/status_line.h"
#include "platform/environment_block.h"

namespace sc {

namespace {

// Long enough for a mail or a push to go out before a PC past its idle time
// sleeps.
constexpr unsigned kNotifyAwakeMs = 2 * 60 * 1000;

}  // namespace

// Read once at start: a REG_EXPAND_SZ is expanded with the program's own
// environment, once.
void TfrmMain::TakeNotifyCommand(const NotifyCommandSetting& setting) {
  notifyCommand_ = setting.expand ? platform_.launcher.expand(setting.command) : setting.command;
  notifyLine_ = NotifySettingIgnoredLine(setting.fault);
}

// A command that cannot be started costs the job nothing: the tooltip says
// so until a command next starts.
void TfrmMain::Notify(JobNotice notice, bool inJob) {
  if (notifyCommand_.empty()) return;
  const NotifyFacts facts{notice,        SteadyStatusText(lblStatus.text()),
                          TooltipText(), inJob,
                          job_.figures,  TextOf(jobStartedAt_)};
  const std::string environment =
      WithVariables(platform_.launcher.environment(), NotifyVariables(facts));
  std::string error;
  if (platform_.launcher.start(notifyCommand_, environment, platform_.launcher.profileFolder(),
                               error) != kErrorSuccess) {
    notifyLine_ = NotifyNotStartedLine(error);
    return ShowFigures();
  }
  if (!notifyLine_.empty()) {
    notifyLine_.clear();
    ShowFigures();
  }
  // The job no longer keeps the PC awake at these two: the command is given
  // a while of its own.
  if (notice != JobNotice::Done && notice != JobNotice::Person) return;
  notifyHoldsAwake_ = true;
  platform_.session.keepAwake(true);
  tmrNotifyAwake.setEnabled(false);
  tmrNotifyAwake.setInterval(kNotifyAwakeMs);
  tmrNotifyAwake.setEnabled(true);
}

void TfrmMain::tmrNotifyAwakeTimer() {
  tmrNotifyAwake.setEnabled(false);
  notifyHoldsAwake_ = false;
  if (!KeepsAwake(job_.progress)) platform_.session.keepAwake(false);
}

// As the job decides, unless a notify command's while still runs.
void TfrmMain::KeepAwake(bool on) { platform_.session.keepAwake(on || notifyHoldsAwake_); }

}  // namespace sc
