// The ripping cycle: start, load, unload or reject, the next load, and the
// manager's answers that move it on or end it.
#include "app/frm_main.h"
#include "job/status_text.h"
#include "player/player_discovery.h"

namespace sc {

namespace {
constexpr const char* kOccupiedMessage =
    "Some Autoloader applications interfere with KETMGR;\n"
    "please disable/close other Autoloader applications first and try again.";
}  // namespace

void TfrmMain::btnWMPClick() {
  if (JobRunning || RadioGroup1.itemIndex() < 0) return;
  // With no writer there is nothing to load: starting would disable "Exit"
  // and send nothing that could enable it again.
  if (cbxWriters.count() == 0) return;
  // Without a manager to ask for a disc the player would start for nothing.
  if (ManagerPath[0] == 0) {
    ManagerNotStarted();
    return;
  }
  PlayerIsITunes = false;
  const std::string player = RadioGroup1.selectedText();
  if (player == kWmpName) {
    StartPlayer(Player::WindowsMediaPlayer);
  } else if (player == kITunesName) {
    PlayerIsITunes = true;
    StartPlayer(Player::ITunes);
  } else {
    return;
  }
  AssignCut(JobWriter, cbxWriters.text());
  JobRunning = true;
  RadioGroup1.setEnabled(false);
  btnWMP.setEnabled(false);
  btnExit.setEnabled(false);
  SetOptionsEnabled(false);
  LoadWriter();
}

void TfrmMain::SetOptionsEnabled(bool enabled) {
  btnExit.setEnabled(enabled);
  ckxAlternateOutputt.setEnabled(enabled);
  ckxReplaceExitFile.setEnabled(enabled);
  ckxRippingNoneCDB.setEnabled(enabled);
}

// "Ripping" is offered only with a writer to load.
void TfrmMain::EnableStart() { btnWMP.setEnabled(cbxWriters.count() > 0); }

bool TfrmMain::RunJobCommand(const char* action) {
  return RunManagerCommand(
      {{"caller", caption()}, {"action", action}, {"target", TextOf(JobWriter)}});
}

void TfrmMain::LoadWriter() {
  if (!JobRunning || LoadPending || UnloadPending) return;
  ShowState(kStatusDiscLoading);
  SetOptionsEnabled(false);
  DiscLeftBeforeLoadAnswer = false;
  LoadPending = RunJobCommand("load");
  if (!LoadPending) ManagerNotStarted();
}

void TfrmMain::UnloadWriter() {
  watch_.WatchActive = false;
  // Only a job's loaded disc is unloaded, and only once: a removal or a
  // declined disc while a command is out waits for that command's answer.
  if (!JobRunning || LoadPending || UnloadPending) return;
  ShowState(kStatusDiscUnloading);
  const char* action =
      ckxAlternateOutputt.checked() && watch_.UnknownDiscSeen ? "reject" : "unload";
  SetOptionsEnabled(false);
  UnloadPending = RunJobCommand(action);
  watch_.UnknownDiscSeen = false;
  if (!UnloadPending) ManagerNotStarted();
}

void TfrmMain::tmrUnloadTimer() {
  tmrUnload.setEnabled(false);
  UnloadWriter();
}

// The responder declined a disc on its own thread and woke the window: the
// timer, and with it the unload, starts here on the window thread. A wake that
// another program forged finds no request and starts nothing.
void TfrmMain::OnWake() {
  if (watch_.UnloadRequested.exchange(false)) tmrUnload.setEnabled(true);
}

void TfrmMain::ProcessAutoladerMessage() {
  // A copy: while the "Occupied" box is open a further notice replaces the
  // buffer and is handled by a nested call; this call keeps its own.
  const ManagerNotice notice = Notice;
  const NoticeKind kind = ClassifyNotice(notice);
  bool sentCommand = false;
  switch (kind) {
    // A load or unload notice is an answer; one that answers no command of
    // ours (a second copy of an answer, a stray) changes nothing. This also
    // keeps "Occupied" boxes from piling up while one is open.
    case NoticeKind::Loaded:
      if (!LoadPending) break;
      LoadPending = false;
      Memo1.append("ProcessAutoladerMessage() Writer loaded");
      watch_.WatchActive = true;
      if (DiscLeftBeforeLoadAnswer) {
        UnloadWriter();
        sentCommand = UnloadPending;
      }
      break;
    case NoticeKind::Occupied:
      if (!LoadPending) break;
      LoadPending = false;
      JobRunning = false;
      ShowOccupiedBox();
      break;
    case NoticeKind::LoadRefused:
      if (!LoadPending) break;
      LoadPending = false;
      EndJob();
      break;
    case NoticeKind::Unloaded:
    case NoticeKind::UnloadFailed:
      if (!UnloadPending) break;
      Memo1.append("ProcessAutoladerMessage() Writer unloaded");
      UnloadPending = false;
      if (kind == NoticeKind::Unloaded) {
        LoadWriter();
        sentCommand = LoadPending;
      } else {
        // The cycle stops quietly; the disc stays in the writer.
        JobRunning = false;
      }
      break;
    case NoticeKind::Recheck:
      tmrInit.setEnabled(true);
      break;
    case NoticeKind::Terminate:
      Halted = true;
      lblStatus.setText(kConflictText);
      break;
    case NoticeKind::Ignored:
      break;
  }
  // Every notice lets the user go (a restarted manager's "Check" while a load
  // waits in vain included), but not past a command this one has just sent:
  // like the job's first load, it keeps "Exit" disabled until its answer.
  if (!sentCommand) btnExit.setEnabled(true);
}

// Another autoloader program holds the robot: say so on top of everything,
// then return to Ready with the same player for another try.
void TfrmMain::ShowOccupiedBox() {
  StatusCode = kStatusReady;
  setTopMost(true);
  ui_.boxes().showMessage(handle(), application_.title, kOccupiedMessage);
  SetOptionsEnabled(true);
  // Messages keep coming while the box is open; a state they moved to (the
  // drive gone, no writer left) stands.
  if (StatusCode == kStatusReady) {
    EnableStart();
    lblStatus.setText(StatusText(kStatusReady));
  }
  setTopMost(false);
}

// No more discs: everything is enabled again and the job's writer released.
void TfrmMain::EndJob() {
  JobRunning = false;
  RadioGroup1.setEnabled(true);
  EnableStart();
  btnExit.setEnabled(true);
  ShowState(kStatusJobDone);
  ckxAlternateOutputt.setEnabled(true);
  ckxReplaceExitFile.setEnabled(true);
  ckxRippingNoneCDB.setEnabled(true);
  RunManagerCommand({{"caller", caption()}, {"target", TextOf(JobWriter)}, {"action", "Release"}});
}

}  // namespace sc
