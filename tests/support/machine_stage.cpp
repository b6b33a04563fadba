#include "support/machine_stage.h"

#include <cstdio>
#include <memory>

#include "job/taskbar_face.h"
#include "job/volume_event.h"
#include "platform/environment_block.h"
#include "player/player_discovery.h"
#include "robot/manager_locator.h"
#include "robot/robot_status.h"
#include "settings/settings_store.h"

namespace sc::testing {

namespace {
// The stand-in window's handle, as the shell and the taskbar see it.
constexpr WindowHandle kWindow = 1;
}  // namespace

// The window's start: the players found, the saved one chosen, every option
// on (the first run's defaults), then "Check" to the manager.
MachineStage::MachineStage(const WalkSetup& setup) : WalkStage(setup) {
  SetUpWalkWorld(sim_, setup);
  // Found as the window finds it: a manager not beside the program sets the
  // robot's report to "Check" on the way.
  managerPath_ = LocateManager(sim_.platform(), RegRoot::CurrentUser);
  if (setup.players != PlayersInstalled::ITunes) players_.push_back(kWmpName);
  if (setup.players != PlayersInstalled::Wmp) players_.push_back(kITunesName);
  for (std::size_t i = 0; i < players_.size(); ++i)
    if (players_[i] == setup.savedPlayer) selected_ = static_cast<int>(i);
  if (selected_ < 0 && !players_.empty()) selected_ = 0;
  // The settings key, made on the first run as the window makes it.
  LoadSettingsFrom(sim_.registry, RegRoot::CurrentUser, sim_.system.modulePath());
  if (!RunManager(CommandPairs(JobCommand::Check, kMainCaption, "")))
    Handle(NotStarted(JobCommand::Check));
}

std::vector<std::string> MachineStage::ManagerLines() const {
  return ManagerCommandLines(sim_.shell);
}

void MachineStage::Deliver(const WalkEvent& event) {
  DeviceBroadcast volume{kDbtDevtypVolume, 1u << (event.drive - 'A')};
  switch (event.kind) {
    case EventKind::Notice:
      NoticeReceived(event.notice);
      Receive(MakeNotice(event.notice));
      return Advance(10);
    case EventKind::TwoNotices:
      NoticeReceived(event.notice);
      Receive(MakeNotice(event.notice));
      NoticeReceived(event.second);
      Receive(MakeNotice(event.second));
      return Advance(10);
    case EventKind::RobotRegistry:
      report_.reset();
      return SetRobotRegistry(sim_, setup_, event.ready, event.number);
    case EventKind::VolumeArrives:
      return Volume(kDbtDeviceArrival, &volume);
    case EventKind::VolumeLeaves:
      return Volume(kDbtDeviceRemoveComplete, &volume);
    case EventKind::DriveVanishes:
      sim_.files.setDriveType(event.drive, kDriveNoRootDir);
      return Volume(kDbtDeviceRemoveComplete, &volume);
    case EventKind::DriveReturns:
      return sim_.files.setDriveType(event.drive, kDriveCdrom);
    case EventKind::ClickRipping:
      return ClickRipping();
    case EventKind::ClickExit:
      // The close lets the PC sleep again, as the window's does.
      if (exit_ && KeepsAwake(job_.progress)) sim_.session.keepAwake(false);
      closed_ = exit_;
      return;
    case EventKind::ClickRadio:
      if (playersEnabled_ && event.number < players_.size())
        selected_ = static_cast<int>(event.number);
      return;
    case EventKind::ClickOption:
      // The options are shown only while iTunes is chosen.
      if (optionsEnabled_ && ITunesChosen())
        optionChecked_[event.number % 3] = !optionChecked_[event.number % 3];
      return;
    case EventKind::ResponderDeclines:
      return ResponderDeclines();
    case EventKind::TimePasses:
      return Advance(event.number);
    case EventKind::ManagerVanishes:
    case EventKind::ManagerReturns:
      return InstallManager(sim_, setup_, event.kind == EventKind::ManagerReturns);
    case EventKind::RawNotice:
      NoticeReceived(FieldsOfPayload(event.bytes));
      return Receive(event.bytes);
    case EventKind::RawVolume: {
      std::unique_ptr<std::uint8_t[]> record;
      if (!event.noRecord) record = ExactCopy(event.bytes);
      const auto header = DecodeDeviceBroadcast(event.number, record.get());
      return Volume(event.number, header ? &*header : nullptr);
    }
    case EventKind::RegistryValue:
      report_.reset();
      return PutRobotValue(sim_, event);
  }
}

TaskbarProgress MachineStage::Face::Taskbar() const {
  return stage_.sim_.taskbar.progress(kWindow);
}

void MachineStage::Handle(const JobEvent& event) {
  const JobObservation seen{!writers_.empty(), optionChecked_[1] && unknownDiscSeen_};
  const JobStep step = NextJobStep(job_, event, seen);
  job_ = step.next;
  for (const JobEffect& effect : step.effects) Apply(effect);
}

void MachineStage::Apply(const JobEffect& effect) {
  switch (effect.kind) {
    case EffectKind::SendCommand:
      return SendJobCommand(effect.command);
    case EffectKind::StartPlayer:
      sim_.shell.execute(0, "open", effect.player == JobPlayer::ITunes ? kITunesPath : kWmpPath, "",
                         "", kSwShow);
      return;
    case EffectKind::EnterStatus:
    case EffectKind::SetStatusCode:
      statusCode_ = effect.status;
      if (effect.kind == EffectKind::SetStatusCode) return;
      [[fallthrough]];
    case EffectKind::SetStatusText:
      statusText_ = StatusText(effect.status);
      return;
    case EffectKind::ShowConflict:
      statusText_ = kConflictText;
      return;
    case EffectKind::Enable:
      return Enable(effect.control, effect.on);
    case EffectKind::ShowOccupiedBox:
      BoxTurn();
      return Handle(JobEventKind::OccupiedBoxClosed);
    case EffectKind::WriteMemo:
      return;
    case EffectKind::SetWatchActive:
      watchActive_ = effect.on;
      return;
    case EffectKind::ForgetUnknownDisc:
      unknownDiscSeen_ = false;
      return;
    case EffectKind::StartPoll:
      return Start(poll_, 100);
    case EffectKind::KeepAwake:
      sim_.session.keepAwake(effect.on);
      return;
    case EffectKind::SaveChoices:
      return SaveChoices();
    case EffectKind::ShowProgress:
      sim_.taskbar.setProgress(kWindow, TaskbarShows(effect.progress, effect.on));
      return;
    case EffectKind::AskForUser:
      if (!sim_.taskbar.programInForeground()) sim_.taskbar.flash(kWindow);
      return;
    case EffectKind::StartFigures:
    case EffectKind::ShowFigures:
    case EffectKind::ShowRefusal:
      sim_.taskbar.setTooltip(kWindow, TaskbarTooltip(job_, TooltipFacts{}).c_str());
      return;
    case EffectKind::WatchWait:
      wait_.due.reset();
      if (const std::uint32_t limit = WaitLimitMs(job_.wait.kind, kWalkWaitLimits))
        Start(wait_, limit);
      return;
    case EffectKind::Notify: {
      // Started as the window starts the walks' command, which is not there.
      std::string error;
      sim_.launcher.start(kWalkNotifyCommand,
                          WithVariables("", {{"SPOOLCAT_EVENT", NameOf(effect.notice)}}), "",
                          error);
      return;
    }
  }
}

void MachineStage::SaveChoices() {
  std::optional<std::string> player;
  if (selected_ >= 0) player = players_[selected_];
  SaveSettingsTo(sim_.registry, RegRoot::CurrentUser, player, optionChecked_[0] ? 1 : 0,
                 optionChecked_[1] ? 1 : 0, optionChecked_[2] ? 1 : 0);
}

void MachineStage::Enable(JobControl control, bool on) {
  switch (control) {
    case JobControl::Players:
      playersEnabled_ = on;
      return;
    case JobControl::Ripping:
      ripping_ = on;
      return;
    case JobControl::ExitAndOptions:
      optionsEnabled_ = on;
      [[fallthrough]];
    case JobControl::Exit:
      exit_ = on;
      return;
    case JobControl::Options:
      optionsEnabled_ = on;
      return;
  }
}

bool MachineStage::RunManager(const std::vector<CommandPair>& pairs) {
  const std::optional<std::string> line = BuildManagerCommand(pairs);
  if (managerPath_.empty() || !line) return false;
  return sim_.shell.execute(kWindow, "open", managerPath_.c_str(), line->c_str(), "", kSwHide) >
         kShellStarted;
}

void MachineStage::SendJobCommand(JobCommand command) {
  if (!RunManager(CommandPairs(command, kMainCaption, TextOf(job_.writer))))
    Handle(NotStarted(command));
}

// One buffer and no queue: the hand-on tick that is already pending is not
// pushed back by a second notice.
void MachineStage::Receive(const std::vector<std::uint8_t>& payload) {
  const auto exact = ExactCopy(payload);
  StoreNotice(notice_, exact.get(), static_cast<std::uint32_t>(payload.size()));
  Start(handOn_, 10);
}

void MachineStage::HandOnNotice() {
  NoticeHandedOn();
  if (SourceIs(notice_, "Autoloader")) Handle(EventOfNotice(notice_));
}

// The report read last stands until the robot software writes again: reading
// the simulated registry is most of a walk's time otherwise.
void MachineStage::Poll() {
  if (!report_) report_ = ReadRobotReport(sim_.registry, RegRoot::CurrentUser);
  const RobotReport& report = *report_;
  if (report.status == RobotReport::Status::Wait) Start(poll_, 100);
  if (report.status != RobotReport::Status::Ready) return;
  writers_ = report.writers;
  Handle(writers_.empty() ? JobEventKind::ReportNoWriters : JobEventKind::ReportWithWriters);
}

void MachineStage::Volume(std::uint32_t event, const DeviceBroadcast* header) {
  const std::string writer = WatchedWriter(job_, writers_.empty() ? "" : writers_.front());
  switch (ClassifyVolumeEvent(event, header, writer)) {
    case WriterVolume::None:
      return;
    case WriterVolume::Arrived:
      return Handle(JobEventKind::VolumeArrived);
    case WriterVolume::Removed: {
      const char root[] = {writer[0], ':', '\\', 0};
      const bool stillCd = sim_.files.driveType(root) == kDriveCdrom;
      return Handle(stillCd ? JobEventKind::VolumeLeft : JobEventKind::DriveGone);
    }
  }
}

void MachineStage::ClickRipping() {
  if (!ripping_) return;
  Handle(RippingClick(selected_ >= 0 ? PlayerNamed(players_[selected_]) : JobPlayer::None,
                      writers_.empty() ? "" : writers_.front(), !managerPath_.empty()));
}

// The responder, with "Always rip unidentified CD" cleared, meets the
// unidentified-disc question while it is armed and iTunes is chosen: it marks
// the disc, declines it and wakes the window, whose unload timer starts.
void MachineStage::ResponderDeclines() {
  optionChecked_[0] = false;
  if (!watchActive_ || !ITunesChosen()) return;
  unknownDiscSeen_ = true;
  watchActive_ = false;
  WalkStage::ResponderDeclined();
  Start(unload_, 20);
}

bool MachineStage::ITunesChosen() const {
  return selected_ >= 0 && players_[selected_] == kITunesName;
}

// Starting a timer that runs already leaves it as it is.
void MachineStage::Start(Timer& timer, std::uint32_t interval) {
  if (timer.due) return;
  timer.due = now_ + interval;
  timer.order = started_++;
}

void MachineStage::Advance(std::uint32_t milliseconds) {
  const std::uint64_t end = now_ + milliseconds;
  for (;;) {
    Timer* next = nullptr;
    for (Timer* timer : {&poll_, &handOn_, &unload_, &wait_}) {
      if (!timer->due || *timer->due > end) continue;
      if (next == nullptr || *timer->due < *next->due ||
          (*timer->due == *next->due && timer->order < next->order))
        next = timer;
    }
    if (next == nullptr) break;
    now_ = std::max(now_, *next->due);
    next->due.reset();
    if (next == &poll_) Poll();
    if (next == &handOn_) HandOnNotice();
    if (next == &unload_) Handle(JobEventKind::DiscDeclined);
    if (next == &wait_) Handle(JobEventKind::WaitTooLong);
  }
  now_ = std::max(now_, end);
}

}  // namespace sc::testing
