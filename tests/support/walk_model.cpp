#include "support/walk_model.h"

#include "job/status_text.h"
#include "platform/environment_block.h"
#include "platform/registry_read.h"
#include "settings/settings_store.h"

namespace sc::testing {

namespace {

// The action and target of a manager command line, "" where it has none.
// The line's shape is fixed: "--caller Spoolcat: " and then "--action A",
// "--action A --target T" or "--target T --action Release". Only the target,
// the writer's text as the robot software stored it, may hold anything, blanks
// and " --" included, so it is found by the shape, not by searching for it.
struct ParsedLine {
  std::string action;
  std::string target;
};

ParsedLine ParseCommandLine(const std::string& line) {
  const std::string caller = std::string("--caller ") + kMainCaption + " ";
  const std::string action = "--action ";
  const std::string target = " --target ";
  const std::string release = " --action Release";
  if (line.compare(0, caller.size(), caller) != 0) return {};
  const std::string rest = line.substr(caller.size());
  if (rest.compare(0, action.size(), action) == 0) {
    const std::size_t end = rest.find(' ', action.size());
    ParsedLine parsed{rest.substr(action.size(), end - action.size()), ""};
    if (end != std::string::npos && rest.compare(end, target.size(), target) == 0)
      parsed.target = rest.substr(end + target.size());
    return parsed;
  }
  const std::size_t from = target.size() - 1;  // "--target " without its leading blank
  if (rest.compare(0, from, target.substr(1)) == 0 && rest.size() >= from + release.size() &&
      rest.compare(rest.size() - release.size(), release.size(), release) == 0)
    return {"Release", rest.substr(from, rest.size() - release.size() - from)};
  return {};
}

bool IsPlayer(const std::string& file) { return file == kWmpPath || file == kITunesPath; }

// The status text without the animation's blank and dots.
std::string Steady(const std::string& text) {
  std::size_t end = text.find_last_not_of('.');
  if (end == std::string::npos) return "";
  if (text[end] == ' ') --end;
  return text.substr(0, end + 1);
}

bool TextFitsCode(int code, const std::string& text) {
  const std::string steady = StatusText(code);
  if (steady.empty()) return false;
  if (text == steady) return true;
  if (!IsAnimated(code) || text.compare(0, steady.size() + 1, steady + " ") != 0) return false;
  const std::string dots = text.substr(steady.size() + 1);
  return dots.size() <= 3 && dots.find_first_not_of('.') == std::string::npos;
}

// After "Terminate" the line shows the conflict or a state's text written
// since, whatever the code: a robot report never writes "No Device" over it.
bool LineFitsCode(const WalkFace& face, const std::string& text) {
  if (!face.Halted()) return TextFitsCode(face.StatusCode(), text);
  if (text == kConflictText) return true;
  for (int code = kStatusInitializing; code <= kStatusNoManager; ++code)
    if (text == StatusText(code)) return true;
  return false;
}

std::string Listed(const std::vector<std::string>& actions) {
  if (actions.empty()) return "none";
  std::string text;
  for (const auto& action : actions) text += (text.empty() ? "" : ", ") + action;
  return text;
}

}  // namespace

const char* NameOf(Invariant invariant) {
  static const char* const kNames[kInvariantCount] = {
      "the user is never locked in",
      "never more than one robot command outstanding",
      "no load, unload, reject or player start without a job",
      "each loaded disc is unloaded or rejected at most once",
      "the job never stalls when the disc leaves the drive",
      "at most one message box open",
      "no shell start with an empty file",
      "the status text agrees with the status code",
      "a job the robot ends releases its writer",
      "an enabled \"Ripping\" starts a job",
      "the PC is kept awake while the job goes on, and the taskbar says so",
      "a job's start saves the choices",
      "the notify command hears of each moment in turn",
  };
  return kNames[static_cast<int>(invariant)];
}

WalkModel::WalkModel(const WalkSetup& setup) : managerPath_(ManagerPathOf(setup)) {}

std::string WalkModel::Outstanding() const {
  return outstanding_.empty() ? "" : outstanding_.front().action;
}

std::vector<Violation> WalkModel::AfterStart(const WalkWorld& world) {
  AbsorbCalls(world, false);
  CheckState(world, 0);
  std::vector<Violation> found;
  found.swap(found_);
  return found;
}

void WalkModel::BeforeEvent(const WalkWorld& world, const WalkEvent& event) {
  AbsorbCalls(world, false);
  unloadsBeforeEvent_ = unloadsSent_;
  releasesBeforeEvent_ = releasesSent_;
  jobStartedByClick_ = false;
  const bool writers = jobActive_ && event.drive == writerDrive_;
  removalNeedsUnload_ = event.kind == EventKind::VolumeLeaves && writers && disc_ == Disc::Loaded &&
                        outstanding_.empty();
  // What came and went while the load awaited its answer. A drive that goes
  // away takes back an arrival, not a departure.
  const char root[] = {writerDrive_, ':', '\\', 0};
  const bool loadOut = writers && Outstanding() == "load";
  const bool driveGone =
      event.kind == EventKind::DriveVanishes ||
      (event.kind == EventKind::VolumeLeaves && world.files.driveType(root) != kDriveCdrom);
  if (loadOut && event.kind == EventKind::VolumeArrives) arrivedDuringLoad_ = true;
  if (loadOut && driveGone) arrivedDuringLoad_ = false;
  // Any removal counts, seen arriving or not: the broadcast of its arrival
  // may have named several drives and been passed over.
  if (loadOut && event.kind == EventKind::VolumeLeaves && !driveGone) leftDuringLoad_ = true;
  const bool unloadOut = writers && (Outstanding() == "unload" || Outstanding() == "reject");
  if (unloadOut && event.kind == EventKind::VolumeArrives) arrivedDuringUnload_ = true;
  if (unloadOut && (event.kind == EventKind::VolumeLeaves || driveGone))
    arrivedDuringUnload_ = false;
  // The drive gone during a job holds it up. A raw broadcast may name the
  // writer's drive among others: any raw one counts while that drive is gone.
  const bool rawWhileGone =
      event.kind == EventKind::RawVolume && world.files.driveType(root) != kDriveCdrom;
  if ((writers && driveGone) || (jobActive_ && rawWhileGone)) troubled_ = true;
  // The disc an unload could not take comes back: the job goes on.
  const bool stoppedDrive = stoppedWithDisc_ && event.drive == writerDrive_;
  if (stoppedDrive && event.kind == EventKind::VolumeArrives && !world.face.RippingEnabled()) {
    jobActive_ = true;
    disc_ = Disc::Loaded;
    stoppedWithDisc_ = false;
  }
  clickMustStart_ = event.kind == EventKind::ClickRipping && world.face.RippingEnabled();
}

void WalkModel::NoticeArrives(const WalkWorld& world, const NoticeFields& notice) {
  AbsorbCalls(world, false);
  if (notice.source != "Autoloader") return;
  if (notice.action == "Terminate" && jobActive_) troubled_ = true;
  // Before any job a wait too long can only be the start-up's, which a
  // "Terminate" ends without anything going on: the next wait may be heard of.
  if (notice.action == "Terminate" && !jobEverStarted_) startUpWaitEnded_ = true;
  // "Check" is answered by whatever the manager says first; an unload and a
  // reject both end by taking the disc out, and either notice ends either.
  const auto isUnload = [](const std::string& a) { return a == "unload" || a == "reject"; };
  auto answered = outstanding_.begin();
  while (answered != outstanding_.end() && answered->action != "Check" &&
         answered->action != notice.action &&
         !(isUnload(answered->action) && isUnload(notice.action)))
    ++answered;
  if (answered == outstanding_.end()) return;  // a stray notice
  const std::string action = answered->action;
  outstanding_.erase(answered);
  const bool ok = notice.result == "OK";
  if (action == "load") {
    if (ok) {
      disc_ = Disc::Loaded;
      answerNeedsUnload_ = leftDuringLoad_;
    } else {
      jobActive_ = false;  // the stack is done, or another program holds the robot
      refusalNeedsRelease_ = notice.detail != "Occupied";
    }
  } else if ((action == "unload" || action == "reject") && !ok) {
    // The disc is in the writer; it stops the job unless it came back into
    // the drive meanwhile, whose removal then unloads it.
    jobActive_ = arrivedDuringUnload_;
    stoppedWithDisc_ = !arrivedDuringUnload_;
    disc_ = Disc::Loaded;
  }
}

void WalkModel::ResponderDeclined() {
  if (!jobActive_ || disc_ != Disc::Loaded || !outstanding_.empty()) return;
  declineDue_ = now_ + 20;
  unloadsAtDecline_ = unloadsSent_;
}

void WalkModel::BoxOpens(int boxesOpen) {
  if (boxesOpen > 1)
    Flag(Invariant::OneMessageBox, "a box over a box",
         std::to_string(boxesOpen) + " message boxes open at once");
}

std::vector<Violation> WalkModel::AfterEvent(const WalkWorld& world, const WalkEvent& event,
                                             int boxesOpen) {
  AbsorbCalls(world, event.kind == EventKind::ClickRipping);
  if (event.kind == EventKind::TimePasses) now_ += event.number;
  if (event.kind == EventKind::Notice || event.kind == EventKind::TwoNotices) now_ += 10;
  if (event.kind != EventKind::TimePasses) lastEventAt_ = now_;
  const bool unloaded = unloadsSent_ > unloadsBeforeEvent_;
  if (removalNeedsUnload_ && !unloaded) {
    const char root[] = {writerDrive_, ':', '\\', 0};
    if (world.files.driveType(root) == kDriveCdrom)
      Flag(Invariant::JobNeverStalls, "removal sent no unload",
           std::string("the loaded disc left ") + writerDrive_ +
               ": with no command outstanding, and no unload or reject was sent");
  }
  removalNeedsUnload_ = false;
  if (answerNeedsUnload_ && !unloaded)
    Flag(Invariant::JobNeverStalls, "disc gone before its load's answer",
         "the load's \"OK\" came after its disc had arrived and left, and no unload was sent");
  answerNeedsUnload_ = false;
  if (declineDue_ && unloadsSent_ > unloadsAtDecline_) declineDue_.reset();
  if (declineDue_ && now_ >= *declineDue_ && boxesOpen == 0) {
    Flag(Invariant::JobNeverStalls, "declined disc not unloaded",
         "the responder declined the loaded disc 20 ms ago and no unload or reject was sent");
    declineDue_.reset();
  }
  if (refusalNeedsRelease_ && releasesSent_ == releasesBeforeEvent_)
    Flag(Invariant::JobEndReleasesWriter, "no release",
         "the robot refused a load for good and the writer was not released");
  refusalNeedsRelease_ = false;
  if (clickMustStart_ && !jobStartedByClick_ && world.face.StatusCode() != kStatusNoManager)
    Flag(Invariant::RippingStartsAJob, "nothing started",
         "a click on the enabled \"Ripping\" started no player and sent no load");
  clickMustStart_ = false;
  CheckNotices(world);
  CheckState(world, boxesOpen);
  std::vector<Violation> found;
  found.swap(found_);
  return found;
}

// Each start of the notify command, in order: a job's end or its need of a
// person only once a job has started, and a wait that lasted too long heard of
// once, then as going on, ended (the start-up's by a "Terminate") or needing a
// person before the next.
void WalkModel::CheckNotices(const WalkWorld& world) {
  const auto& calls = world.launcher.calls();
  for (; noticesSeen_ < calls.size(); ++noticesSeen_) {
    const std::string notice =
        VariableIn(calls[noticesSeen_].environment, "SPOOLCAT_EVENT").value_or("");
    if ((notice == "done" || notice == "person") && !jobEverStarted_)
      Flag(Invariant::NotifiesInTurn, notice + " without a job",
           "the notify command heard \"" + notice + "\" before any job started");
    if (notice == "going-on" && lastNotice_ != "stuck")
      Flag(Invariant::NotifiesInTurn, "going-on not after stuck",
           "the notify command heard \"going-on\" after \"" + lastNotice_ + "\"");
    if (notice == "stuck" && lastNotice_ == "stuck" && !startUpWaitEnded_)
      Flag(Invariant::NotifiesInTurn, "stuck twice", "the notify command heard \"stuck\" twice");
    if (notice == "stuck") startUpWaitEnded_ = false;
    if (world.face.Closed())
      Flag(Invariant::NotifiesInTurn, "after the close", "the notify command ran after the close");
    lastNotice_ = notice;
  }
}

void WalkModel::AbsorbCalls(const WalkWorld& world, bool byRippingClick) {
  const auto& calls = world.shell.calls();
  const std::size_t first = callsSeen_;
  callsSeen_ = calls.size();
  // A job starts with the click that starts the player and sends a load.
  bool playerStarted = false;
  bool loadSent = false;
  for (std::size_t i = first; i < calls.size(); ++i) {
    playerStarted |= IsPlayer(calls[i].file.value_or(""));
    loadSent |= ParseCommandLine(calls[i].parameters.value_or("")).action == "load";
  }
  const bool startsJob = byRippingClick && !jobActive_ && playerStarted && loadSent;
  jobStartedByClick_ |= startsJob;
  if (startsJob) {
    stoppedWithDisc_ = false;
    troubled_ = false;
    CheckChoicesSaved(world);
  }

  for (std::size_t i = first; i < calls.size(); ++i) {
    const sim::ShellCall& call = calls[i];
    const std::string file = call.file.value_or("");
    const std::string parameters = call.parameters.value_or("");
    if (file.empty())
      Flag(Invariant::NoEmptyShellFile, "empty file",
           "a shell start with an empty file and parameters \"" + parameters + "\"");
    const ParsedLine line = ParseCommandLine(parameters);
    if (!line.action.empty()) {
      Sent(world, call, {line.action, line.target}, byRippingClick, startsJob);
    } else if (IsPlayer(file) && !startsJob) {
      const char* symptom = jobActive_        ? "player started during a job"
                            : !byRippingClick ? "player started without a click"
                                              : "player started, no load sent";
      Flag(Invariant::CommandsNeedAJob, symptom, "the player " + file + " was started");
    }
  }
}

void WalkModel::Sent(const WalkWorld& world, const sim::ShellCall& call, const Command& command,
                     bool byRippingClick, bool startsJob) {
  const std::string& action = command.action;
  if (action == "load") {
    arrivedDuringLoad_ = leftDuringLoad_ = false;
    if (startsJob) {
      jobActive_ = true;
      jobEverStarted_ = true;
      disc_ = Disc::None;
      arrivedDuringUnload_ = false;
    } else if (!jobActive_) {
      Flag(Invariant::CommandsNeedAJob, "load outside a job", "a load was sent outside a job");
    } else if (byRippingClick) {
      Flag(Invariant::CommandsNeedAJob, "load by a click during a job",
           "a \"Ripping\" click during a job sent a load");
    }
    // A writer with no text names no drive: no removal is its disc's.
    writerDrive_ = command.target.empty() ? 0 : command.target[0];
  } else if (action == "unload" || action == "reject") {
    ++unloadsSent_;
    arrivedDuringUnload_ = false;
    if (!jobActive_)
      Flag(Invariant::CommandsNeedAJob, action + " outside a job",
           "a" + std::string(action == "unload" ? "n " : " ") + action + " was sent outside a job");
    else if (disc_ != Disc::Loaded)
      Flag(Invariant::DiscUnloadedOnce,
           disc_ == Disc::Unloaded ? "second unload of one disc" : "unload before a disc loaded",
           action + " sent for a disc that is not in the writer");
    disc_ = Disc::Unloaded;
  }
  if (action == "Release") {
    ++releasesSent_;
    return;  // never answered
  }
  // A command whose start failed will never be answered either.
  const std::string file = call.file.value_or("");
  lastStartFailed_ = file.empty() || file != managerPath_ || !world.files.lookup(file);
  // No answer will come: the job cannot go on without the manager.
  if (lastStartFailed_) {
    if (action != "Check") jobActive_ = false;
    return;
  }
  std::vector<std::string> before;
  for (const auto& waiting : outstanding_) before.push_back(waiting.action);
  outstanding_.push_back(command);
  if (outstanding_.size() > 1)
    Flag(Invariant::OneCommandOutstanding,
         action + " while " + outstanding_.front().action + " awaits its notice",
         action + " sent while awaiting: " + Listed(before));
}

void WalkModel::Flag(Invariant invariant, const std::string& symptom, const std::string& detail) {
  found_.push_back({invariant, symptom, detail});
}

// The choices as the program reads them at its next start, against the boxes.
void WalkModel::CheckChoicesSaved(const WalkWorld& world) {
  RegKey key = 0;
  if (world.registry.openKey(RegRoot::CurrentUser, kOwnKeyPath, kKeyRead, &key) != kErrorSuccess)
    return Flag(Invariant::JobStartSavesChoices, "no key", "the settings key cannot be opened");
  FixedText<256> player{};
  ReadTextValue(world.registry, key, kRippingApplicationValue, player);
  const char* const names[] = {kImportUnknownValue, kUnloadToAlternateValue, kReplaceSongsValue};
  std::string wrong;
  if (TextOf(player) != world.face.ChosenPlayer()) wrong = "the player \"" + TextOf(player) + "\"";
  for (int i = 0; i < 3; ++i) {
    std::int32_t stored = -1;
    ReadDwordValue(world.registry, key, names[i], stored);
    if ((stored != 0) != world.face.OptionChecked(i)) wrong += std::string(" ") + names[i];
  }
  world.registry.closeKey(key);
  if (!wrong.empty())
    Flag(Invariant::JobStartSavesChoices, "choices not saved",
         "a job started and the registry differs from the window in: " + wrong);
}

void WalkModel::CheckState(const WalkWorld& world, int boxesOpen) {
  const WalkFace& face = world.face;
  // With "Ripping" enabled a disc's return is no longer the stopped job's.
  if (face.RippingEnabled()) stoppedWithDisc_ = false;
  const bool jobRuns = jobActive_ && !face.Closed();
  const bool awake = world.session.awake();
  if (awake ? !jobRuns : jobRuns && !troubled_)
    Flag(Invariant::AwakeWhileJobGoesOn, jobRuns ? "job runs, PC may sleep" : "awake, no job",
         std::string("the PC is ") + (awake ? "" : "not ") + "kept awake while " +
             (jobRuns ? "a job runs and nothing held it up" : "no job runs"));
  // Decided in one place: a window that shows one and not the other is wrong.
  // Awake, the button shows the job going on, or that a wait lasted too long,
  // surely so once no event came for longer than a wait may last (a poll or
  // a decline's unload follows its event a little later).
  const TaskbarProgress shown = face.Taskbar();
  const bool quiet = now_ > lastEventAt_ + kWalkWaitLimits.robotAnswerMinutes * 60000 + 1000;
  const bool yellow = shown == TaskbarProgress::Paused;
  if (!face.Closed() && (awake ? !yellow && (quiet || shown != TaskbarProgress::Indeterminate)
                               : shown == TaskbarProgress::Indeterminate))
    Flag(Invariant::AwakeWhileJobGoesOn, "taskbar and keep-awake disagree",
         std::string("the PC is ") + (awake ? "" : "not ") + "kept awake and the taskbar shows " +
             std::to_string(static_cast<int>(shown)));
  const std::string text = face.StatusText();
  // While a box is open its OK button is the way out.
  if (boxesOpen == 0 && !face.ExitEnabled() && outstanding_.size() != 1) {
    std::vector<std::string> waiting;
    for (const auto& command : outstanding_) waiting.push_back(command.action);
    const std::string symptom = outstanding_.size() > 1 ? "two commands awaited"
                                : lastStartFailed_      ? "the last command could not start"
                                                        : "nothing awaited";
    Flag(Invariant::NeverLockedIn, symptom,
         "\"Exit\" is disabled at status \"" + text + "\", commands awaited: " + Listed(waiting));
  }
  // The "Occupied" box comes between the code of "Ready" and its text.
  if (boxesOpen > 0) return;
  if (!LineFitsCode(face, text)) {
    const std::string code = std::to_string(face.StatusCode());
    const std::string symptom = face.Halted() ? "after Terminate"
                                : Steady(text) == "Ready"
                                    ? "\"Ready\" over another code"
                                    : "code " + code + " shows \"" + Steady(text) + "\"";
    Flag(Invariant::StatusLineAgrees, symptom,
         "status code " + code + " (\"" + StatusText(face.StatusCode()) +
             "\") but the status line reads \"" + text + "\"");
  }
}

}  // namespace sc::testing
