// The manager link: locating the manager, sending it commands, receiving its
// notices and polling the robot's report.
#include "app/frm_main.h"
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
  if (cbxWriters.count() > 0) cbxWriters.setItemIndex(0);
  HandleJobEvent(
      {cbxWriters.count() > 0 ? JobEventKind::ReportWithWriters : JobEventKind::ReportNoWriters});
}

}  // namespace sc
