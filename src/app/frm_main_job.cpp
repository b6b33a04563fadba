// The ripping cycle as the window sees it: each handler hands its event to the
// job machine (job/job_machine.h), which decides; what it decides is carried
// out here, in order, and nothing more.
#include "app/frm_main.h"

namespace sc {

namespace {
constexpr const char* kOccupiedMessage =
    "Some Autoloader applications interfere with KETMGR;\n"
    "please disable/close other Autoloader applications first and try again.";

}  // namespace

void TfrmMain::btnWMPClick() {
  const JobPlayer player =
      RadioGroup1.itemIndex() >= 0 ? PlayerNamed(RadioGroup1.selectedText()) : JobPlayer::None;
  const std::string writer = cbxWriters.count() > 0 ? cbxWriters.text() : "";
  HandleJobEvent(RippingClick(player, writer, ManagerPath[0] != 0));
}

void TfrmMain::tmrUnloadTimer() {
  tmrUnload.setEnabled(false);
  HandleJobEvent({JobEventKind::DiscDeclined});
}

// The responder declined a disc on its own thread and woke the window: the
// timer, and with it the unload, starts here on the window thread. A wake that
// another program forged finds no request and starts nothing.
void TfrmMain::OnWake() {
  if (watch_.UnloadRequested.exchange(false)) tmrUnload.setEnabled(true);
}

void TfrmMain::ProcessAutoladerMessage() { HandleJobEvent(EventOfNotice(Notice)); }

void TfrmMain::HandleJobEvent(const JobEvent& event) {
  const JobStep step = NextJobStep(job_, event, Observe());
  // Stored first: an event that arrives while an effect runs (a message box's
  // loop, the shell starting the manager) finds the job as decided.
  job_ = step.next;
  for (const JobEffect& effect : step.effects) ApplyJobEffect(effect);
  WithdrawShutdownReason();
}

JobObservation TfrmMain::Observe() const {
  return {cbxWriters.count() > 0, ckxAlternateOutputt.checked() && watch_.UnknownDiscSeen};
}

void TfrmMain::ApplyJobEffect(const JobEffect& effect) {
  switch (effect.kind) {
    case EffectKind::SendCommand:
      if (effect.command == JobCommand::Load) return LoadWriter();
      if (effect.command == JobCommand::Release) return SendJobCommand(effect.command);
      return UnloadWriter(effect.command);
    case EffectKind::StartPlayer:
      PlayerIsITunes = effect.player == JobPlayer::ITunes;
      return StartPlayer(PlayerIsITunes ? Player::ITunes : Player::WindowsMediaPlayer);
    case EffectKind::EnterStatus:
      return ShowState(effect.status);
    case EffectKind::SetStatusCode:
      StatusCode = effect.status;
      return;
    case EffectKind::SetStatusText:
      return lblStatus.setText(StatusText(effect.status));
    case EffectKind::ShowConflict:
      return lblStatus.setText(kConflictText);
    case EffectKind::Enable:
      return EnableControl(effect.control, effect.on);
    case EffectKind::ShowOccupiedBox:
      return ShowOccupiedBox();
    case EffectKind::WriteMemo:
      return Memo1.append(TextOf(effect.line));
    case EffectKind::SetWatchActive:
      watch_.WatchActive = effect.on;
      return;
    case EffectKind::ForgetUnknownDisc:
      watch_.UnknownDiscSeen = false;
      return;
    case EffectKind::StartPoll:
      return tmrInit.setEnabled(true);
    case EffectKind::KeepAwake:
      return KeepAwake(effect.on);
    case EffectKind::SaveChoices:
      return SaveSettings();
    case EffectKind::ShowProgress:
      return ShowProgress();
    case EffectKind::AskForUser:
      return AskForUser();
    case EffectKind::StartFigures:
      jobStarted_ = true;
      refused_ = false;
      platform_.system.localTime(jobStartedAt_);
      return ShowFigures();
    case EffectKind::ShowFigures:
      return ShowFigures();
    case EffectKind::ShowRefusal:
      return ShowRefusal();
    case EffectKind::WatchWait:
      return WatchWait();
    case EffectKind::Notify:
      return Notify(effect.notice, effect.on);
  }
}

void TfrmMain::EnableControl(JobControl control, bool on) {
  switch (control) {
    case JobControl::Players:
      return RadioGroup1.setEnabled(on);
    case JobControl::Ripping:
      return btnWMP.setEnabled(on);
    case JobControl::Exit:
      return btnExit.setEnabled(on);
    case JobControl::ExitAndOptions:
      return SetOptionsEnabled(on);
    case JobControl::Options:
      ckxAlternateOutputt.setEnabled(on);
      ckxReplaceExitFile.setEnabled(on);
      ckxRippingNoneCDB.setEnabled(on);
      return;
  }
}

void TfrmMain::SetOptionsEnabled(bool enabled) {
  btnExit.setEnabled(enabled);
  ckxAlternateOutputt.setEnabled(enabled);
  ckxReplaceExitFile.setEnabled(enabled);
  ckxRippingNoneCDB.setEnabled(enabled);
}

// The disc commands name the job's writer, fixed when the job started. A
// command whose manager could not be started is reported back: no answer will
// come for it (the machine lets a release go unanswered anyway).
void TfrmMain::SendJobCommand(JobCommand command) {
  if (!RunManagerCommand(CommandPairs(command, caption(), TextOf(job_.writer))))
    HandleJobEvent(NotStarted(command));
}

void TfrmMain::LoadWriter() { SendJobCommand(JobCommand::Load); }

void TfrmMain::UnloadWriter(JobCommand action) { SendJobCommand(action); }

// Another autoloader program holds the robot: say so on top of everything,
// then return to Ready with the same player for another try.
void TfrmMain::ShowOccupiedBox() {
  setTopMost(true);
  occupiedBoxOpen_ = true;
  ui_.boxes().showMessage(handle(), application_.title, kOccupiedMessage);
  occupiedBoxOpen_ = false;
  HandleJobEvent({JobEventKind::OccupiedBoxClosed});
  setTopMost(false);
}

}  // namespace sc
