// The manager link: locating the manager, sending it commands, receiving its
// notices and polling the robot's report.
#include "app/frm_main.h"
#include "job/status_text.h"
#include "robot/manager_locator.h"
#include "robot/robot_status.h"

namespace sc {

void TfrmMain::LocateManager() {
  AssignCut(ManagerPath, sc::LocateManager(platform_, RegistryRoot));
}

bool TfrmMain::RunManagerCommand(const std::vector<CommandPair>& pairs) {
  // An empty path would have the shell open whatever it takes "" to be.
  if (ManagerPath[0] == 0) return false;
  // A line that does not fit is not sent cut: the manager would read another
  // action or writer into it. It counts as a manager that could not start.
  const std::optional<std::string> command = BuildManagerCommand(pairs);
  if (!command) return false;
  // The manager answers later, with a notice; only whether it started is
  // known here.
  return platform_.shell.execute(handle(), "open", ManagerPath.data(), command->c_str(), "",
                                 kSwHide) > kShellStarted;
}

// With no manager running no notice will come: waiting for one would keep
// "Exit" disabled for ever, so the window says why and lets the user go.
void TfrmMain::ManagerNotStarted() {
  JobRunning = false;
  LoadPending = false;
  UnloadPending = false;
  ShowState(kStatusNoManager);
  RadioGroup1.setEnabled(true);
  SetOptionsEnabled(true);
  EnableStart();
}

// The payload is copied before the sender's call returns; the notice is
// handed on 10 ms later, outside that call.
void TfrmMain::OnCopyData(const std::uint8_t* data, std::uint32_t size) {
  StoreNotice(Notice, data, size);
  tmrMessaging.setEnabled(true);
}

void TfrmMain::tmrMessagingTimer() {
  tmrMessaging.setEnabled(false);
  if (SourceIs(Notice, "Autoloader")) ProcessAutoladerMessage();
}

void TfrmMain::tmrInitTimer() {
  tmrInit.setEnabled(false);
  const RobotReport report = ReadRobotReport(platform_.registry, RegistryRoot);
  if (report.status == RobotReport::Status::Wait) tmrInit.setEnabled(true);
  if (report.status != RobotReport::Status::Ready) return;

  cbxWriters.clear();
  for (const std::string& writer : report.writers) cbxWriters.addItem(writer);
  btnExit.setEnabled(true);
  if (JobRunning) {
    // The job keeps its writer, its status and "Ripping" disabled.
    if (cbxWriters.count() > 0) cbxWriters.setItemIndex(0);
    return;
  }
  if (cbxWriters.count() > 0) {
    StatusCode = kStatusReady;
    lblStatus.setText(StatusText(kStatusReady));
    cbxWriters.setItemIndex(0);
    btnWMP.setEnabled(true);
  } else {
    StatusCode = kStatusNoDevice;
    // After "Terminate" the conflict stays on the line; a state's text
    // written since then gives way, so the line never shows another state.
    if (!Halted || lblStatus.text() != kConflictText)
      lblStatus.setText(StatusText(kStatusNoDevice));
    // With no writer a job could not send anything, and with "Exit" disabled
    // by its start the window could never close again.
    btnWMP.setEnabled(false);
  }
}

}  // namespace sc
