#include "support/main_window_rig.h"

#include <algorithm>

namespace sc::testing {

namespace {

// A text that fills its field is copied without its zero, as a manager may
// send it; the rest of the zeroed field stays zero.
template <std::size_t N>
void CopyField(char (&field)[N], const std::string& text) {
  std::memcpy(field, text.data(), std::min(N, text.size()));
}

}  // namespace

std::vector<std::uint8_t> MakeNotice(const NoticeFields& fields) {
  ManagerNotice notice{};
  CopyField(notice.Source, fields.source);
  CopyField(notice.Action, fields.action);
  CopyField(notice.Result, fields.result);
  CopyField(notice.Detail, fields.detail);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&notice);
  return std::vector<std::uint8_t>(bytes, bytes + sizeof notice);
}

MainWindowRig::MainWindowRig() {
  sim.system.setModulePath(std::string(kProgramDir) + "\\spoolcat.exe");
  sim.files.setDriveType('C', kDriveFixed);
  sim.files.setDriveType('E', kDriveCdrom);
}

void MainWindowRig::InstallManagerAndPlayers() {
  sim.files.addFile(std::string(kProgramDir) + "\\ketmgr.exe");
  InstallWmp();
  InstallITunes();
}

void MainWindowRig::InstallWmp(const std::string& directory) {
  sim.registry.putString(kMachine, kWmpKey, "Installation Directory", directory);
}

void MainWindowRig::InstallITunes(const std::string& command) {
  sim.registry.putString(kMachine, kITunesKey, "", command);
}

void MainWindowRig::PublishWriters(const std::vector<std::string>& writers, RegRoot root) {
  const std::string unit = std::string(kRobotKey) + "\\Unit1";
  sim.registry.putString(root, kRobotKey, "Robot Report", "Ready");
  sim.registry.putDword(root, unit, "Online", 1);
  sim.registry.putDword(root, unit, "Writers", static_cast<std::uint32_t>(writers.size()));
  for (std::size_t i = 0; i < writers.size(); ++i)
    sim.registry.putString(root, unit + "\\Writer" + std::to_string(i + 1), "", writers[i]);
}

TfrmMain& MainWindowRig::Construct() {
  form = std::make_unique<TfrmMain>(sim.platform(), ui, application, watcher);
  return *form;
}

TfrmMain& MainWindowRig::Start() {
  Construct();
  form->FormCreate();
  form->show();
  return *form;
}

TfrmMain& MainWindowRig::StartReady(const std::vector<std::string>& writers) {
  InstallManagerAndPlayers();
  PublishWriters(writers);
  Start();
  NotifyAndSettle({"Autoloader", "Check", "", ""});
  Advance(100);
  return *form;
}

TfrmMain& MainWindowRig::StartJob() {
  StartReady();
  form->btnWMP.click();
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  return *form;
}

void MainWindowRig::Notify(const NoticeFields& fields) {
  const auto bytes = MakeNotice(fields);
  form->OnCopyData(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void MainWindowRig::NotifyAndSettle(const NoticeFields& fields) {
  Notify(fields);
  Advance(10);
}

void MainWindowRig::Answer(const char* action, const char* result, const char* detail) {
  NotifyAndSettle({"Autoloader", action, result, detail});
}

void MainWindowRig::RipDisc(const char* unloadAction) {
  constexpr std::uint32_t kDriveE = 1u << 4;
  Answer("load", "OK");
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  Answer(unloadAction, "OK");
}

void MainWindowRig::Volume(std::uint32_t event, std::uint32_t unitMask, std::uint32_t deviceType) {
  DeviceBroadcast header{deviceType, unitMask};
  form->OnDeviceChange(event, &header);
}

int MainWindowRig::DeliverWakes() {
  int delivered = 0;
  for (WindowHandle window : sim.desktop.takeWakes()) {
    if (window != watch.MainWindow) continue;
    form->OnWake();
    ++delivered;
  }
  return delivered;
}

std::vector<std::string> ManagerCommandLines(const sim::SimShell& shell) {
  std::vector<std::string> lines;
  for (const auto& call : shell.calls())
    if (call.file && call.file->find("ketmgr") != std::string::npos)
      lines.push_back(call.parameters.value_or("<null>"));
  return lines;
}

std::vector<std::string> MainWindowRig::ManagerCommands() const {
  return ManagerCommandLines(sim.shell);
}

std::string MainWindowRig::LastManagerCommand() const {
  const auto lines = ManagerCommands();
  return lines.empty() ? std::string() : lines.back();
}

}  // namespace sc::testing
