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
  if (RadioGroup1.itemIndex() < 0) return;
  PlayerIsITunes = false;
  const std::string player = RadioGroup1.selectedText();
  if (player == kWmpName) {
    StartPlayer(false);
  } else if (player == kITunesName) {
    PlayerIsITunes = true;
    StartPlayer(true);
  } else {
    return;
  }
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

void TfrmMain::LoadWriter() {
  if (cbxWriters.count() == 0) return;
  ShowState(kStatusDiscLoading);
  SetOptionsEnabled(false);
  RunManagerCommand({{"caller", caption()}, {"action", "load"}, {"target", cbxWriters.text()}});
}

void TfrmMain::UnloadWriter() {
  watch_.WatchActive = false;
  if (cbxWriters.count() == 0) return;
  ShowState(kStatusDiscUnloading);
  const char* action =
      ckxAlternateOutputt.checked() && watch_.UnknownDiscSeen ? "reject" : "unload";
  UnloadPending = true;
  SetOptionsEnabled(false);
  RunManagerCommand({{"caller", caption()}, {"action", action}, {"target", cbxWriters.text()}});
  watch_.UnknownDiscSeen = false;
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
  switch (ClassifyNotice(notice)) {
    case NoticeKind::Loaded:
      Memo1.append("ProcessAutoladerMessage() Writer loaded");
      watch_.WatchActive = true;
      break;
    case NoticeKind::Occupied:
      ShowOccupiedBox();
      break;
    case NoticeKind::LoadRefused:
      EndJob();
      break;
    case NoticeKind::Unloaded:
    case NoticeKind::UnloadFailed:
      Memo1.append("ProcessAutoladerMessage() Writer unloaded");
      UnloadPending = false;
      if (ClassifyNotice(notice) == NoticeKind::Unloaded) LoadWriter();
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
  btnExit.setEnabled(true);
}

// Another autoloader program holds the robot: say so on top of everything,
// then return to Ready with the same player for another try.
void TfrmMain::ShowOccupiedBox() {
  StatusCode = kStatusReady;
  setTopMost(true);
  ui_.boxes().showMessage(handle(), application_.title, kOccupiedMessage);
  SetOptionsEnabled(true);
  btnWMP.setEnabled(true);
  lblStatus.setText(StatusText(kStatusReady));
  setTopMost(false);
}

// No more discs: everything is enabled again and the writer released.
void TfrmMain::EndJob() {
  RadioGroup1.setEnabled(true);
  btnWMP.setEnabled(true);
  btnExit.setEnabled(true);
  ShowState(kStatusJobDone);
  ckxAlternateOutputt.setEnabled(true);
  ckxReplaceExitFile.setEnabled(true);
  ckxRippingNoneCDB.setEnabled(true);
  RunManagerCommand({{"caller", caption()}, {"target", cbxWriters.text()}, {"action", "Release"}});
}

}  // namespace sc
