#include "support/path_walker.h"

#include <algorithm>
#include <memory>

#include "platform/device_broadcast.h"
#include "player/dialog_responder.h"
#include "support/machine_stage.h"

namespace sc::testing {

namespace {

class GeneratedEvents final : public EventSource {
 public:
  explicit GeneratedEvents(std::uint32_t seed) : random_(seed) {}
  WalkSetup Setup() const { return random_.Setup(); }
  bool Next(const WalkModel& model, int boxesOpen, int eventsInThisBox, WalkEvent* event) override {
    return random_.Next(model.Outstanding(), boxesOpen, eventsInThisBox, event);
  }

 private:
  RandomEvents random_;
};

// Replays recorded events. An event recorded inside a message box is played
// inside the box open at that point, or at the top if none opens any more
// (an earlier event was dropped).
class ScriptedEvents final : public EventSource {
 public:
  explicit ScriptedEvents(const std::vector<WalkEvent>& events) : events_(events) {}
  bool Next(const WalkModel&, int boxesOpen, int, WalkEvent* event) override {
    if (next_ >= events_.size() || events_[next_].depth < boxesOpen) return false;
    *event = events_[next_++];
    return true;
  }

 private:
  const std::vector<WalkEvent>& events_;
  std::size_t next_ = 0;
};

bool Matches(const Violation& seen, const Violation& sought, bool sameSymptom) {
  return seen.invariant == sought.invariant && (!sameSymptom || seen.symptom == sought.symptom);
}

}  // namespace

// A heap block of exactly the bytes' size, so that a read past their end is
// caught (under AddressSanitizer) where it happens.
std::unique_ptr<std::uint8_t[]> ExactCopy(const std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), block.get());
  return block;
}

std::string RobotUnitKey(int unit) {
  return std::string(kRobotKey) + "\\Unit" + std::to_string(unit);
}

void SetUpWalkWorld(sim::SimPlatform& sim, const WalkSetup& setup) {
  sim.system.setModulePath(std::string(kProgramDir) + "\\spoolcat.exe");
  sim.files.setDriveType('C', kDriveFixed);
  sim.files.setDriveType('E', kDriveCdrom);
  if (setup.players != PlayersInstalled::ITunes)
    sim.registry.putString(kMachine, kWmpKey, "Installation Directory",
                           "C:\\Program Files\\Windows Media Player");
  if (setup.players != PlayersInstalled::Wmp)
    sim.registry.putString(kMachine, kITunesKey, "", kITunesPath);
  if (!setup.savedPlayer.empty())
    sim.registry.putString(kUser, kOwnKey, "Ripping Application", setup.savedPlayer);
  sim.registry.putDword(kUser, kOwnKey, kRobotAnswerMinutesValue,
                        kWalkWaitLimits.robotAnswerMinutes);
  sim.registry.putDword(kUser, kOwnKey, kDiscMinutesValue, kWalkWaitLimits.discMinutes);
  sim.registry.putString(kUser, kOwnKey, kNotifyCommandValue, kWalkNotifyCommand);
  const std::string manager = ManagerPathOf(setup);
  if (!manager.empty()) sim.files.addFile(manager);
  if (setup.manager == ManagerPlace::Registered)
    sim.registry.putString(kUser, kRobotKey, "", manager);
  for (int unit = 1; unit <= setup.units; ++unit) {
    const char drive = static_cast<char>('D' + unit);
    sim.registry.putDword(kUser, RobotUnitKey(unit), "Writers", 1);
    sim.registry.putString(kUser, RobotUnitKey(unit) + "\\Writer1", "",
                           std::string(1, drive) + ": Writer " + std::to_string(unit));
  }
  SetRobotRegistry(sim, setup, setup.reportReady, (1u << setup.units) - 1);
}

void SetRobotRegistry(sim::SimPlatform& sim, const WalkSetup& setup, bool ready,
                      std::uint32_t unitsOnline) {
  sim.registry.putString(kUser, kRobotKey, "Robot Report", ready ? "Ready" : "Wait");
  for (int unit = 1; unit <= setup.units; ++unit)
    sim.registry.putDword(kUser, RobotUnitKey(unit), "Online", (unitsOnline >> (unit - 1)) & 1);
}

void PutRobotValue(sim::SimPlatform& sim, const WalkEvent& event) {
  const std::string key = event.key.empty() ? kRobotKey : std::string(kRobotKey) + "\\" + event.key;
  sim.registry.putValue(kUser, key, event.valueName, {event.number, event.bytes});
}

void InstallManager(sim::SimPlatform& sim, const WalkSetup& setup, bool installed) {
  const std::string manager = ManagerPathOf(setup);
  if (manager.empty()) return;
  if (installed)
    sim.files.addFile(manager);
  else
    sim.files.remove(manager);
}

WalkStage::WalkStage(const WalkSetup& setup) : setup_(setup), model_(setup) {}

WalkRun WalkStage::Run(EventSource& source, const StopRule& stopAt) {
  source_ = &source;
  stopAt_ = stopAt;
  run_.walk.setup = setup_;
  Record(model_.AfterStart(World()));
  WalkEvent event;
  while (!stopped_ && !Closed() && source.Next(model_, 0, 0, &event)) Play(event);
  run_.managerCommands = ManagerLines();
  return std::move(run_);
}

void WalkStage::Play(WalkEvent event) {
  event.depth = boxesOpen_;
  run_.walk.events.push_back(event);
  model_.BeforeEvent(World(), event);
  Deliver(event);
  Record(model_.AfterEvent(World(), event, boxesOpen_));
}

void WalkStage::NoticeHandedOn() {
  if (lastNotice_) model_.NoticeArrives(World(), *lastNotice_);
}

void WalkStage::BoxTurn() {
  ++boxesOpen_;
  model_.BoxOpens(boxesOpen_);
  WalkEvent event;
  for (int played = 0; !stopped_ && source_->Next(model_, boxesOpen_, played, &event); ++played)
    Play(event);
  --boxesOpen_;
}

void WalkStage::Record(const std::vector<Violation>& violations) {
  for (const Violation& violation : violations) {
    bool known = false;
    for (const auto& found : run_.found) known |= Matches(found.violation, violation, true);
    if (!known) run_.found.push_back({violation, run_.walk.events.size()});
    if (stopAt_ && stopAt_(violation)) stopped_ = true;
  }
}

WindowStage::WindowStage(const WalkSetup& setup) : WalkStage(setup) {
  SetUpWalkWorld(sim, setup);
  Start();
  // The responder walks the desktop from the main window's place in it.
  watch.MainWindow = sim.desktop.addWindow(kMainCaption);
  ui.recordedBoxes.whileOpen = [this] { BoxTurn(); };
  // One buffer and no queue: a notice replaced before its tick never reaches
  // the window's logic, and one that arrives before a command is sent is
  // still handled after it.
  form->tmrMessaging.onTimer = [this, handOn = form->tmrMessaging.onTimer] {
    NoticeHandedOn();
    handOn();
  };
}

void WindowStage::Deliver(const WalkEvent& event) {
  const std::uint32_t driveBit = 1u << (event.drive - 'A');
  switch (event.kind) {
    case EventKind::Notice:
      DeliverNotice(event.notice);
      Advance(10);
      break;
    case EventKind::TwoNotices:
      DeliverNotice(event.notice);
      DeliverNotice(event.second);
      Advance(10);
      break;
    case EventKind::RobotRegistry:
      SetRobotRegistry(sim, setup_, event.ready, event.number);
      break;
    case EventKind::VolumeArrives:
      Volume(kDbtDeviceArrival, driveBit);
      break;
    case EventKind::VolumeLeaves:
      Volume(kDbtDeviceRemoveComplete, driveBit);
      break;
    case EventKind::DriveVanishes:
      sim.files.setDriveType(event.drive, kDriveNoRootDir);
      Volume(kDbtDeviceRemoveComplete, driveBit);
      break;
    case EventKind::DriveReturns:
      sim.files.setDriveType(event.drive, kDriveCdrom);
      break;
    case EventKind::ClickRipping:
      form->btnWMP.click();
      break;
    case EventKind::ClickExit:
      form->btnExit.click();
      break;
    case EventKind::ClickRadio:
      form->RadioGroup1.clickItem(static_cast<int>(event.number));
      break;
    case EventKind::ClickOption: {
      CheckBox* boxes[] = {&form->ckxRippingNoneCDB, &form->ckxAlternateOutputt,
                           &form->ckxReplaceExitFile};
      boxes[event.number % 3]->click();
      break;
    }
    case EventKind::ResponderDeclines:
      ResponderDeclinesDisc();
      break;
    case EventKind::TimePasses:
      Advance(event.number);
      break;
    case EventKind::ManagerVanishes:
    case EventKind::ManagerReturns:
      InstallManager(sim, setup_, event.kind == EventKind::ManagerReturns);
      break;
    case EventKind::RawNotice: {
      NoticeReceived(FieldsOfPayload(event.bytes));
      const auto payload = ExactCopy(event.bytes);
      form->OnCopyData(payload.get(), static_cast<std::uint32_t>(event.bytes.size()));
      break;
    }
    case EventKind::RawVolume:
      RawDeviceChange(event);
      break;
    case EventKind::RegistryValue:
      PutRobotValue(sim, event);
      break;
  }
}

void WindowStage::RawDeviceChange(const WalkEvent& event) {
  std::unique_ptr<std::uint8_t[]> record;
  if (!event.noRecord) record = ExactCopy(event.bytes);
  const auto header = DecodeDeviceBroadcast(event.number, record.get());
  form->OnDeviceChange(event.number, header ? &*header : nullptr);
}

void WindowStage::DeliverNotice(const NoticeFields& notice) {
  NoticeReceived(notice);
  Notify(notice);
}

// The one place that knows how the responder's decision reaches the window
// thread: a pass on the context the window handed to its thread, then the
// window thread takes the wake the pass posted to it.
void WindowStage::ResponderDeclinesDisc() {
  form->ckxRippingNoneCDB.setChecked(false);
  const WindowHandle dialog = sim.desktop.addTopLevel(kITunesDialogClass, "iTunes");
  sim.desktop.addChild(dialog, "Button", "Yes", true, 100);
  sim.desktop.addChild(dialog, "Button", "No", true, 300);
  ResponderPass(*static_cast<DialogWatcherContext*>(sim.threads.starts().back().argument));
  if (watch.UnloadRequested) ResponderDeclined();
  DeliverWakes();
  sim.desktop.removeWindow(dialog);
}

std::unique_ptr<WalkStage> MakeStage(const WalkSetup& setup, Driven driven) {
  if (driven == Driven::Machine) return std::make_unique<MachineStage>(setup);
  return std::make_unique<WindowStage>(setup);
}

WalkRun Explore(std::uint32_t seed, const StopRule& stopAt, Driven driven) {
  GeneratedEvents events(seed);
  return MakeStage(events.Setup(), driven)->Run(events, stopAt);
}

WalkRun Replay(const Walk& walk, const StopRule& stopAt, Driven driven) {
  ScriptedEvents events(walk.events);
  return MakeStage(walk.setup, driven)->Run(events, stopAt);
}

std::vector<WalkEvent> ShrinkEvents(
    std::vector<WalkEvent> events,
    const std::function<bool(const std::vector<WalkEvent>&)>& stillFails) {
  for (std::size_t chunk = std::max<std::size_t>(1, events.size() / 2); chunk >= 1; chunk /= 2) {
    bool dropped = true;
    while (dropped) {
      dropped = false;
      for (std::size_t start = 0; start < events.size();) {
        std::vector<WalkEvent> fewer(events.begin(), events.begin() + start);
        const std::size_t end = std::min(events.size(), start + chunk);
        fewer.insert(fewer.end(), events.begin() + end, events.end());
        if (stillFails(fewer)) {
          events = std::move(fewer);
          dropped = true;
        } else {
          start += chunk;
        }
      }
      // Only single events are tried again until nothing more can go.
      if (chunk > 1) break;
    }
  }
  return events;
}

Walk Shrink(const Walk& walk, const Violation& violation, bool sameSymptom, Driven driven) {
  const StopRule stop = [&](const Violation& seen) {
    return Matches(seen, violation, sameSymptom);
  };
  // Whatever comes after the failure is not needed for it.
  const WalkRun first = Replay(walk, stop, driven);
  const auto stillFails = [&](const std::vector<WalkEvent>& events) {
    const WalkRun run = Replay({walk.setup, events}, stop, driven);
    for (const auto& found : run.found)
      if (Matches(found.violation, violation, sameSymptom)) return true;
    return false;
  };
  std::vector<WalkEvent> events = ShrinkEvents(first.walk.events, stillFails);
  // Two notices of which one alone still fails read more simply as one.
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].kind != EventKind::TwoNotices) continue;
    for (const NoticeFields& alone : {events[i].second, events[i].notice}) {
      std::vector<WalkEvent> simpler = events;
      simpler[i].kind = EventKind::Notice;
      simpler[i].notice = alone;
      if (stillFails(simpler)) {
        events = std::move(simpler);
        break;
      }
    }
  }
  // Played once more, so each event shows where it now comes: inside a box
  // only if one still opens.
  return Replay({walk.setup, events}, stop, driven).walk;
}

std::string Report(std::uint32_t seed, std::size_t index, std::size_t originalLength,
                   const Walk& shrunk, const Violation& violation) {
  std::string text = "walk " + std::to_string(index) + " (seed " + std::to_string(seed) +
                     ") breaks \"" + NameOf(violation.invariant) + "\" [" + violation.symptom +
                     "]:\n  " + violation.detail + "\n  set-up: " + Describe(shrunk.setup) +
                     "\n  shortened to " + std::to_string(shrunk.events.size()) + " of " +
                     std::to_string(originalLength) + " events" +
                     (shrunk.events.empty() ? " (the set-up alone breaks it)\n" : ":\n");
  for (std::size_t i = 0; i < shrunk.events.size(); ++i) {
    const WalkEvent& event = shrunk.events[i];
    text += "    " + std::to_string(i + 1) + ". ";
    if (event.depth > 0) text += "(inside message box " + std::to_string(event.depth) + ") ";
    text += Describe(event) + "\n";
  }
  return text;
}

}  // namespace sc::testing
