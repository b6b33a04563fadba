// The ripping job as one state machine. Every decision about the job is made
// here, from the job's state, an event and what the window observes at that
// moment; the result is the next state and a list of effects, which the main
// window carries out in order. Nothing here touches a control, the registry,
// the shell or another thread.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "job/status_text.h"
#include "robot/manager_command.h"
#include "robot/manager_notice.h"
#include "util/fixed_text.h"

namespace sc {

// Where the job stands. A load or an unload "is out" from the moment the
// machine decides to send it until its answer arrives or the manager cannot
// be started; at most one command is ever out.
enum class JobPhase {
  Idle,             // no job: "Ripping" may start one
  Loading,          // a load is out; no disc has arrived since
  LoadingDiscIn,    // a load is out and a disc has arrived in the writer
  LoadingDiscLeft,  // a load is out and its disc arrived and left again
  Loaded,           // a disc is in the writer: the manager reported it loaded (the responder
                    // is armed), or it came back into the drive after the job had stopped
  Unloading,        // an unload or a reject is out
  UnloadingDiscIn,  // an unload or a reject is out and the disc came back into the drive
  Stopped,          // the unload failed: the disc stays in the writer, nothing is out, and
                    // the disc's return to the drive carries the job on
};
constexpr int kJobPhaseCount = 8;

enum class JobPlayer { None, WindowsMediaPlayer, ITunes };

enum class JobCommand { Load, Unload, Reject, Release, Check };

// The manager's action word for a command.
const char* ActionOf(JobCommand command);

// Whether the job goes on by itself, as the taskbar button shows it from
// afar; the PC is kept awake exactly while it does.
enum class JobProgress {
  None,          // no job, "Job Done", or the job never started
  GoesOn,        // loads, rips and unloads follow each other
  WaitsForUser,  // the "Occupied" box is open, or a failed unload stopped the cycle
  CannotGoOn,    // the drive has gone, another program took the robot, or no manager
};

// What a job that goes on by itself waits for at the moment. A wait that lasts
// too long is shown on the taskbar button: the job may still go on, but a
// person should look.
enum class JobWaitKind {
  None,
  RobotWord,     // before the first "Ready": the answer to "Check", or the report to leave "Wait"
  RobotAnswer,   // the manager's answer to the command out: a load, an unload or a reject
  DiscToWriter,  // the loaded disc to arrive in the writer's drive
  DiscRipped,    // the disc in the writer to leave the drive, ripped and ejected by the player
};

struct JobWait {
  JobWaitKind kind = JobWaitKind::None;
  JobCommand command = JobCommand::Load;  // RobotAnswer: the command out; otherwise Load
};

constexpr bool operator==(const JobWait& a, const JobWait& b) {
  return a.kind == b.kind && a.command == b.command;
}
constexpr bool operator!=(const JobWait& a, const JobWait& b) { return !(a == b); }

// The discs of the current or last job, counted from the robot's answers.
struct JobFigures {
  int loaded = 0;
  int unloaded = 0;  // to the output
  int rejected = 0;  // to the reject bin
};

struct JobState {
  JobPhase phase = JobPhase::Idle;
  int status = kStatusInitializing;  // the status code the window shows
  bool halted = false;               // "Terminate" came: the status line stays on the conflict
  FixedText<128> writer{};           // the job's writer, fixed when the job starts
  JobProgress progress = JobProgress::None;
  JobFigures figures{};
  JobCommand sent = JobCommand::Load;  // the last load, unload or reject sent
  // What the job waits for, since the step that began the wait; and whether
  // that wait has lasted too long.
  JobWait wait{JobWaitKind::RobotWord};
  bool waitTooLong = false;
  // "Terminate" came since the last "Check" or "Refresh": the window already
  // says why the robot software is silent, so the start-up wait is over.
  bool terminatedSinceCheck = false;
};

enum class JobEventKind {
  RippingClicked,  // with the player chosen, the selected writer and whether the manager is known
  LoadOk,          // the manager's notices, by kind
  LoadOccupied,    //
  LoadRefused,     //
  UnloadOk,        // "unload" or "reject" with "OK"
  UnloadFailed,    //
  Recheck,         // "Refresh" or "Check"
  Terminate,       //
  OtherNotice,     // any other action
  VolumeArrived,   // a volume arrived in the writer's drive
  VolumeLeft,      // a volume left the writer's drive, which is still a CD drive
  DriveGone,       // a volume left the writer's drive, which is no longer a CD drive
  DiscDeclined,    // the iTunes responder declined an unidentified disc
  CommandNotStarted,  // the manager could not be started for `command`
  ReportWithWriters,  // the robot's report read "Ready" and listed writers
  ReportNoWriters,    // the robot's report read "Ready" and listed none
  OccupiedBoxClosed,  // the user dismissed the "Occupied" message box
  WaitTooLong,        // the wait the job is in has lasted longer than its limit
};
constexpr int kJobEventKindCount = 18;

struct JobEvent {
  constexpr JobEvent() = default;
  constexpr JobEvent(JobEventKind eventKind)
      : kind(eventKind) {}  // NOLINT: events read as their kind

  JobEventKind kind = JobEventKind::OtherNotice;
  // RippingClicked:
  JobPlayer player = JobPlayer::None;  // None: no player item selected
  FixedText<128> writer{};             // the selected writer's text, cut as the job keeps it
  bool managerFound = true;            // the manager's path is known
  // CommandNotStarted: the command; UnloadOk: Reject when the answer was a reject's.
  JobCommand command = JobCommand::Load;
};

// What the window shows at the moment of the event that the decision needs.
struct JobObservation {
  bool writersListed = false;  // the writer list holds at least one writer
  bool rejectUnknown = false;  // "reject bin" is checked and the responder met an unknown disc
};

enum class JobControl {
  Players,         // the player choice
  Ripping,         // "Ripping"
  Exit,            // "Exit"
  ExitAndOptions,  // "Exit" and the three option boxes, as one switch
  Options,         // the three option boxes alone
};

enum class MemoLine { WriterLoaded, WriterUnloaded, VolumeArrived, VolumeRemoved };

const char* TextOf(MemoLine line);

enum class EffectKind {
  SendCommand,        // `command` to the manager, for the job's writer
  StartPlayer,        // `player`
  EnterStatus,        // `status`: code and text, and the animation starts again
  SetStatusCode,      // `status`, code alone
  SetStatusText,      // `status`'s text alone
  ShowConflict,       // "Conflict with other application", with no code of its own
  Enable,             // `control` to `on`
  ShowOccupiedBox,    // top-most around it; the window steps OccupiedBoxClosed when it closes
  WriteMemo,          // `line`
  SetWatchActive,     // the responder may answer a dialog: `on`
  ForgetUnknownDisc,  // what the responder saw belonged to a disc that is gone
  StartPoll,          // read the robot's report again
  KeepAwake,          // the PC must not sleep on idle (`on`), or may again
  SaveChoices,        // store the player and the options as the close does
  ShowProgress,       // the taskbar button shows `progress`
  AskForUser,         // flash the taskbar button, unless the program is in front already
  StartFigures,       // a job starts: its figures count from zero, from now
  ShowFigures,        // the job's figures, or whether its wait lasted too long, changed
  ShowRefusal,        // the robot refused the job: that, and when, over the job's figures
                      // when it had loaded a disc (`on`), and in their place otherwise
  WatchWait,          // a new wait began (the state's `wait`): time it from now, or stop timing
  Notify,             // run the user's notify command for `notice`; `on`: the moment is a job's
};

// The moments the user's notify command hears of, by the name it is given.
enum class JobNotice {
  Done,     // the window shows "Job Done"
  Person,   // the job needs a person: a refusal, a failed unload, the writer or the manager gone
  Stuck,    // a wait has lasted past its limit
  GoingOn,  // a wait that had lasted too long ended by itself
};

const char* NameOf(JobNotice notice);

struct JobEffect {
  constexpr JobEffect() = default;
  constexpr explicit JobEffect(EffectKind effectKind) : kind(effectKind) {}

  EffectKind kind = EffectKind::WriteMemo;
  JobCommand command = JobCommand::Load;
  JobPlayer player = JobPlayer::None;
  int status = 0;
  JobControl control = JobControl::Exit;
  bool on = false;
  MemoLine line = MemoLine::WriterLoaded;
  JobProgress progress = JobProgress::None;
  JobNotice notice = JobNotice::Done;
};

// The effects of one step, in place. The capacity is the longest step the
// machine can make, which job_machine.cpp checks at compile time; a push past
// it is refused and marks the list, so that the check sees it.
class JobEffects {
 public:
  static constexpr std::size_t kCapacity = 13;
  constexpr void push(const JobEffect& effect) {
    if (size_ == kCapacity) {
      overflowed_ = true;
      return;
    }
    items_[size_++] = effect;
  }
  // Before every effect already in the list.
  constexpr void pushFront(const JobEffect& effect) { insert(0, effect); }
  // Before the effect at `index`; at the end when `index` is the size.
  constexpr void insert(std::size_t index, const JobEffect& effect) {
    if (size_ == kCapacity) {
      overflowed_ = true;
      return;
    }
    for (std::size_t i = size_; i > index; --i) items_[i] = items_[i - 1];
    items_[index] = effect;
    ++size_;
  }
  constexpr std::size_t size() const { return size_; }
  constexpr bool overflowed() const { return overflowed_; }
  constexpr const JobEffect* begin() const { return items_.data(); }
  constexpr const JobEffect* end() const { return items_.data() + size_; }
  constexpr const JobEffect& operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<JobEffect, kCapacity> items_{};
  std::size_t size_ = 0;
  bool overflowed_ = false;
};

struct JobStep {
  JobState next;
  JobEffects effects;
};

// The one decision: state plus event (and what is observed) gives the next
// state and what to do. The caller stores the next state before it carries out
// any effect, so an event that arrives while an effect runs (the shell pumps
// messages while it starts the manager) finds the command already out.
JobStep NextJobStep(const JobState& state, const JobEvent& event, const JobObservation& seen);

// A job runs from its first load until it ends, one way or another; a job
// whose unload failed still owns its writer.
constexpr bool JobRuns(const JobState& state) { return state.phase != JobPhase::Idle; }

// The PC is kept awake while the job goes on by itself: from the first load
// until it ends, stops, or cannot go on without a person. A wait that lasts
// too long keeps it awake too: the answer may still come.
constexpr bool KeepsAwake(JobProgress progress) { return progress == JobProgress::GoesOn; }

// What a job in `state` waits for: only a job that goes on by itself waits,
// and before the robot software was first heard, the window does.
constexpr JobWait WaitOf(const JobState& state) {
  using K = JobWaitKind;
  if (state.progress != JobProgress::GoesOn) {
    const bool startingUp = state.phase == JobPhase::Idle && state.status == kStatusInitializing &&
                            state.progress == JobProgress::None && !state.terminatedSinceCheck;
    return {startingUp ? K::RobotWord : K::None};
  }
  switch (state.phase) {
    case JobPhase::Loading:
    case JobPhase::LoadingDiscIn:
    case JobPhase::LoadingDiscLeft:
      return {K::RobotAnswer, JobCommand::Load};
    case JobPhase::Unloading:
    case JobPhase::UnloadingDiscIn:
      return {K::RobotAnswer, state.sent};
    case JobPhase::Loaded:
      return {state.status == kStatusDiscLoaded ? K::DiscRipped : K::DiscToWriter};
    case JobPhase::Idle:
    case JobPhase::Stopped:
      break;
  }
  return {K::None};
}

// The writer whose drive the disc events concern: during a job its own, fixed
// at its start whatever the list holds since; otherwise the selected one.
std::string WatchedWriter(const JobState& state, const std::string& selectedWriter);

// A manager notice from the "Autoloader" as a job event.
JobEvent EventOfNotice(const ManagerNotice& notice);

// A click on "Ripping" with `player` chosen (None: no item selected), the
// selected writer ("" when the list is empty) and whether the manager is known.
JobEvent RippingClick(JobPlayer player, const std::string& writer, bool managerFound);

// The manager could not be started for `command`.
JobEvent NotStarted(JobCommand command);

// The player a player item's text names, None for any other text.
JobPlayer PlayerNamed(const std::string& itemText);

// The command line's pairs for `command` on `writer`, in the order the
// manager reads them: the release names its target before its action.
std::vector<CommandPair> CommandPairs(JobCommand command, const std::string& caller,
                                      const std::string& writer);

// Names, for tests, the transition picture and failure messages.
const char* NameOf(JobPhase phase);
const char* NameOf(JobEventKind kind);
std::string Describe(const JobEffect& effect);
std::string Describe(const JobEffects& effects);

}  // namespace sc
