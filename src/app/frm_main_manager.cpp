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

void TfrmMain::RunManagerCommand(const std::vector<CommandPair>& pairs) {
  const std::string command = BuildManagerCommand(pairs);
  // The manager answers later, with a notice; the start itself is not checked.
  platform_.shell.execute(handle(), "open", ManagerPath.data(), command.c_str(), "", kSwHide);
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
  if (cbxWriters.count() > 0) {
    StatusCode = kStatusReady;
    lblStatus.setText(StatusText(kStatusReady));
    cbxWriters.setItemIndex(0);
    btnWMP.setEnabled(true);
  } else {
    StatusCode = kStatusNoDevice;
    if (!Halted) lblStatus.setText(StatusText(kStatusNoDevice));
    // With no writer a job could not send anything, and with "Exit" disabled
    // by its start the window could never close again.
    btnWMP.setEnabled(false);
  }
}

}  // namespace sc
