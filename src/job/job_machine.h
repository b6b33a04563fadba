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
  Stopped,          // the unload failed: the disc stays in the writer, nothing is out, and
                    // the disc's return to the drive carries the job on
};
constexpr int kJobPhaseCount = 7;

enum class JobPlayer { None, WindowsMediaPlayer, ITunes };

enum class JobCommand { Load, Unload, Reject, Release, Check };

// The manager's action word for a command.
const char* ActionOf(JobCommand command);

struct JobState {
  JobPhase phase = JobPhase::Idle;
  int status = kStatusInitializing;  // the status code the window shows
  bool halted = false;               // "Terminate" came: the status line stays on the conflict
  FixedText<128> writer{};           // the job's writer, fixed when the job starts
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
};
constexpr int kJobEventKindCount = 17;

struct JobEvent {
  JobEvent() = default;
  JobEvent(JobEventKind eventKind) : kind(eventKind) {}  // NOLINT: events read as their kind

  JobEventKind kind = JobEventKind::OtherNotice;
  // RippingClicked:
  JobPlayer player = JobPlayer::None;  // None: no player item selected
  std::string writer;                  // the selected writer's text
  bool managerFound = true;            // the manager's path is known
  // CommandNotStarted:
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
};

struct JobEffect {
  JobEffect() = default;
  explicit JobEffect(EffectKind effectKind) : kind(effectKind) {}

  EffectKind kind = EffectKind::WriteMemo;
  JobCommand command = JobCommand::Load;
  JobPlayer player = JobPlayer::None;
  int status = 0;
  JobControl control = JobControl::Exit;
  bool on = false;
  MemoLine line = MemoLine::WriterLoaded;
};

// A step makes at most this many effects; the list lives in place.
class JobEffects {
 public:
  static constexpr std::size_t kCapacity = 10;
  void push(const JobEffect& effect);
  // Before every effect already in the list.
  void pushFront(const JobEffect& effect);
  std::size_t size() const { return size_; }
  const JobEffect* begin() const { return items_.data(); }
  const JobEffect* end() const { return items_.data() + size_; }
  const JobEffect& operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<JobEffect, kCapacity> items_{};
  std::size_t size_ = 0;
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
bool JobRuns(const JobState& state);

// The PC is kept awake while the robot or the player works for a job: from
// the first load until the job ends or stops.
bool KeepsAwake(JobPhase phase);

// The writer whose drive the disc events concern: during a job its own, fixed
// at its start whatever the list holds since; otherwise the selected one.
std::string WatchedWriter(const JobState& state, const std::string& selectedWriter);

// A manager notice from the "Autoloader" as a job event.
JobEventKind EventOfNotice(NoticeKind kind);

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
