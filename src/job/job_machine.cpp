// Every transition of the job, in one place: first the table of what each
// event does in each phase, then what each of those moves consists of. Nothing
// here performs anything; the main window carries out the effects.
#include "job/job_machine.h"

namespace sc {

namespace {

// The moves, named as the table uses them.
enum class Move {
  Ignore,            // nothing at all
  Stray,             // a notice that answers no command that is out: it only lets the user go
  StrayLoad,         // the same for a load's "OK", which still leaves its memo line
  StrayUnload,       // the same for an unload's or a reject's answer, with its memo line
  StartJob,          // "Ripping": the player, the controls, the first load
  ArmResponder,      // the disc is loaded: the responder may answer its dialogs
  UnloadLeftDisc,    // loaded, but the disc already came and went: unload it at once
  RefuseOccupied,    // another program holds the robot: say so, back to "Ready"
  EndJob,            // no more discs: "Job Done", everything enabled, the writer released
  LoadNext,          // the writer is empty again: load the next disc
  StopQuietly,       // the unload failed: the cycle stops where it is, or goes on with the
                     // disc that came back meanwhile
  Resume,            // after a failed unload the disc is back: "Disc Loaded", the job goes on
  Recheck,           // read the robot's report again
  Halt,              // the status line stops on the conflict
  NoteArrival,       // outside a job a disc only leaves a memo line
  DiscArrived,       // during a job the disc's arrival shows "Disc Loaded"
  NoteRemoval,       // a removal that unloads nothing
  DiscLeftEarly,     // the disc left before the load's answer: that answer unloads it
  DiscLeftAgain,     // the disc that came back during an unload left again: nothing to show
  UnloadRemoved,     // the loaded disc left the drive: unload or reject it
  NoDevice,          // the writer's drive itself has gone
  UnloadDeclined,    // the responder declined the loaded disc: unload or reject it
  ForgetDecline,     // a decline for a disc whose unload is already decided
  ManagerGone,       // the manager could not be started for the command that was to be out
  ShowReady,         // the robot's report lists writers: "Ready"
  ShowNoDevice,      // the robot's report lists none: "No Device"
  KeepJob,           // a report during a job changes nothing of the job
  AfterOccupiedBox,  // the "Occupied" box was dismissed
  Overdue,           // the wait has lasted too long: the taskbar button says so
};

using P = JobPhase;
using M = Move;
using G = JobProgress;

// Rows: phases. Columns: events, in the order of JobEventKind:
//  Ripping  LoadOk  Occupied  Refused  UnloadOk  UnloadFailed  Recheck  Terminate  Other
//  Arrived  Left  DriveGone  Declined  NotStarted  ReportWriters  ReportNone  BoxClosed
//  TooLong
constexpr Move kTable[kJobPhaseCount][kJobEventKindCount] = {
    /* Idle */
    {M::StartJob, M::StrayLoad, M::Stray, M::Stray, M::StrayUnload, M::StrayUnload, M::Recheck,
     M::Halt, M::Stray, M::NoteArrival, M::NoteRemoval, M::NoDevice, M::ForgetDecline,
     M::ManagerGone, M::ShowReady, M::ShowNoDevice, M::AfterOccupiedBox, M::Overdue},
    /* Loading: a disc that leaves before its load's answer, whether or not its
       arrival was seen, is unloaded by that answer */
    {M::Ignore, M::ArmResponder, M::RefuseOccupied, M::EndJob, M::StrayUnload, M::StrayUnload,
     M::Recheck, M::Halt, M::Stray, M::DiscArrived, M::DiscLeftEarly, M::NoDevice, M::ForgetDecline,
     M::ManagerGone, M::KeepJob, M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* LoadingDiscIn */
    {M::Ignore, M::ArmResponder, M::RefuseOccupied, M::EndJob, M::StrayUnload, M::StrayUnload,
     M::Recheck, M::Halt, M::Stray, M::DiscArrived, M::DiscLeftEarly, M::NoDevice, M::ForgetDecline,
     M::ManagerGone, M::KeepJob, M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* LoadingDiscLeft */
    {M::Ignore, M::UnloadLeftDisc, M::RefuseOccupied, M::EndJob, M::StrayUnload, M::StrayUnload,
     M::Recheck, M::Halt, M::Stray, M::DiscArrived, M::NoteRemoval, M::NoDevice, M::ForgetDecline,
     M::ManagerGone, M::KeepJob, M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* Loaded */
    {M::Ignore, M::StrayLoad, M::Stray, M::Stray, M::StrayUnload, M::StrayUnload, M::Recheck,
     M::Halt, M::Stray, M::DiscArrived, M::UnloadRemoved, M::NoDevice, M::UnloadDeclined,
     M::ManagerGone, M::KeepJob, M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* Unloading: an unload already out makes any removal moot */
    {M::Ignore, M::StrayLoad, M::Stray, M::Stray, M::LoadNext, M::StopQuietly, M::Recheck, M::Halt,
     M::Stray, M::DiscArrived, M::Ignore, M::Ignore, M::ForgetDecline, M::ManagerGone, M::KeepJob,
     M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* UnloadingDiscIn: as Unloading, but should the unload fail, the disc in
       the drive carries the job on; its leaving again shows nothing */
    {M::Ignore, M::StrayLoad, M::Stray, M::Stray, M::LoadNext, M::StopQuietly, M::Recheck, M::Halt,
     M::Stray, M::DiscArrived, M::DiscLeftAgain, M::DiscLeftAgain, M::ForgetDecline, M::ManagerGone,
     M::KeepJob, M::KeepJob, M::AfterOccupiedBox, M::Overdue},
    /* Stopped: the disc's events are still the job's while "Ripping" stays
       disabled; a removal with no arrival since the failure is the disc the
       robot could not take, now gone by hand, and unloads nothing */
    {M::StartJob, M::StrayLoad, M::Stray, M::Stray, M::StrayUnload, M::StrayUnload, M::Recheck,
     M::Halt, M::Stray, M::Resume, M::NoteRemoval, M::NoDevice, M::ForgetDecline, M::ManagerGone,
     M::ShowReady, M::ShowNoDevice, M::AfterOccupiedBox, M::Overdue},
};

// --- The effects, as the moves use them.

constexpr JobEffect Effect(EffectKind kind) { return JobEffect{kind}; }

// An effect of `kind` with one of its fields set.
template <typename T>
constexpr JobEffect Effect(EffectKind kind, T JobEffect::*field, T value) {
  JobEffect effect{kind};
  effect.*field = value;
  return effect;
}

constexpr JobEffect Send(JobCommand command) {
  return Effect(EffectKind::SendCommand, &JobEffect::command, command);
}
constexpr JobEffect Status(EffectKind kind, int status) {
  return Effect(kind, &JobEffect::status, status);
}
constexpr JobEffect Memo(MemoLine line) {
  return Effect(EffectKind::WriteMemo, &JobEffect::line, line);
}
constexpr JobEffect WatchActive(bool on) {
  return Effect(EffectKind::SetWatchActive, &JobEffect::on, on);
}
constexpr JobEffect Player(JobPlayer player) {
  return Effect(EffectKind::StartPlayer, &JobEffect::player, player);
}
constexpr JobEffect KeepAwake(bool on) { return Effect(EffectKind::KeepAwake, &JobEffect::on, on); }
constexpr JobEffect ShowProgress(JobProgress progress) {
  return Effect(EffectKind::ShowProgress, &JobEffect::progress, progress);
}
constexpr JobEffect Enable(JobControl control, bool on) {
  JobEffect effect = Effect(EffectKind::Enable, &JobEffect::control, control);
  effect.on = on;
  return effect;
}

// Builds one step; the state's status follows the status effects.
class Step {
 public:
  constexpr explicit Step(const JobState& state) { step_.next = state; }
  constexpr Step& operator<<(const JobEffect& effect) {
    if (effect.kind == EffectKind::EnterStatus || effect.kind == EffectKind::SetStatusCode)
      step_.next.status = effect.status;
    step_.effects.push(effect);
    return *this;
  }
  constexpr Step& To(JobPhase phase) {
    step_.next.phase = phase;
    return *this;
  }
  constexpr void Progress(JobProgress progress) { step_.next.progress = progress; }
  constexpr JobState& State() { return step_.next; }
  constexpr JobStep& Done() { return step_; }

 private:
  JobStep step_;
};

// The robot answered "OK": one more disc for the figures.
constexpr void Count(Step& step, int JobFigures::*figure) {
  ++(step.State().figures.*figure);
  step << Effect(EffectKind::ShowFigures);
}

// The responder stops, the status says so, nothing can be clicked until the
// answer, and the disc's unidentified mark goes with the command that takes the
// disc away. Only a disc the responder was armed for can have been marked.
constexpr void SendUnload(Step& step, bool reject) {
  step << WatchActive(false) << Status(EffectKind::EnterStatus, kStatusDiscUnloading)
       << Enable(JobControl::ExitAndOptions, false) << Effect(EffectKind::ForgetUnknownDisc)
       << Send(reject ? JobCommand::Reject : JobCommand::Unload);
  step.State().sent = reject ? JobCommand::Reject : JobCommand::Unload;
  step.To(P::Unloading).Progress(G::GoesOn);
}

constexpr void SendLoad(Step& step) {
  step << Status(EffectKind::EnterStatus, kStatusDiscLoading)
       << Enable(JobControl::ExitAndOptions, false) << Send(JobCommand::Load);
  step.State().sent = JobCommand::Load;
  step.To(P::Loading).Progress(G::GoesOn);
}

// With no manager running no answer will come: waiting for one would keep
// "Exit" disabled for ever, so the window says why and lets the user go. A
// job cannot go on without it; before the first job nothing stopped.
constexpr void ManagerNotStarted(Step& step, const JobObservation& seen, bool forJob) {
  step << Status(EffectKind::EnterStatus, kStatusNoManager) << Enable(JobControl::Players, true)
       << Enable(JobControl::ExitAndOptions, true)
       << Enable(JobControl::Ripping, seen.writersListed);
  step.To(P::Idle);
  if (forJob) step.Progress(G::CannotGoOn);
}

constexpr bool AwaitsAnswerTo(JobPhase phase, JobCommand command) {
  switch (phase) {
    case P::Idle:
      return command == JobCommand::Check;
    case P::Loading:
    case P::LoadingDiscIn:
    case P::LoadingDiscLeft:
      return command == JobCommand::Load;
    case P::Unloading:
    case P::UnloadingDiscIn:
      return command == JobCommand::Unload || command == JobCommand::Reject;
    case P::Loaded:
    case P::Stopped:
      break;
  }
  return false;
}

constexpr void StartJob(Step& step, const JobEvent& event, const JobObservation& seen) {
  // Without a chosen player or a writer there is nothing to start: starting
  // would disable "Exit" and send nothing that could enable it again.
  if (event.player == JobPlayer::None || !seen.writersListed) return;
  // Without a manager to ask for a disc the player would start for nothing.
  if (!event.managerFound) return ManagerNotStarted(step, seen, true);
  step.State().writer = event.writer;
  step.State().figures = JobFigures{};
  // The player and the options cannot change until the job ends: what the
  // close would save is known now, and a program ended by force keeps it.
  step << Effect(EffectKind::SaveChoices) << Effect(EffectKind::StartFigures)
       << Player(event.player) << Enable(JobControl::Players, false)
       << Enable(JobControl::Ripping, false) << Enable(JobControl::Exit, false);
  SendLoad(step);
}

constexpr void Apply(Move move, Step& step, const JobState& state, const JobEvent& event,
                     const JobObservation& seen) {
  const JobEffect exitOn = Enable(JobControl::Exit, true);
  switch (move) {
    case M::Ignore:
      return;
    case M::Stray:
      step << exitOn;
      return;
    case M::StrayLoad:
      step << Memo(MemoLine::WriterLoaded) << exitOn;
      return;
    case M::StrayUnload:
      step << Memo(MemoLine::WriterUnloaded) << exitOn;
      return;
    case M::StartJob:
      return StartJob(step, event, seen);
    case M::ArmResponder:
      // A fresh disc: whatever the responder marked before belonged to another.
      step << Memo(MemoLine::WriterLoaded);
      Count(step, &JobFigures::loaded);
      step << Effect(EffectKind::ForgetUnknownDisc) << WatchActive(true) << exitOn;
      step.To(P::Loaded).Progress(G::GoesOn);
      return;
    case M::UnloadLeftDisc:
      step << Memo(MemoLine::WriterLoaded);
      Count(step, &JobFigures::loaded);
      return SendUnload(step, false);
    case M::RefuseOccupied:
      // A refusal in the middle of a job (a load after an unload) keeps the
      // discs done so far under it: at 3 AM after 30 discs, the morning must
      // not read as if nothing was ripped.
      step << Status(EffectKind::SetStatusCode, kStatusReady)
           << Effect(EffectKind::ShowRefusal, &JobEffect::on, state.figures.loaded > 0)
           << Effect(EffectKind::ShowOccupiedBox) << exitOn;
      step.To(P::Idle).Progress(G::WaitsForUser);
      return;
    case M::EndJob:
      step << Enable(JobControl::Players, true) << Enable(JobControl::Ripping, seen.writersListed)
           << exitOn << Status(EffectKind::EnterStatus, kStatusJobDone)
           << Enable(JobControl::Options, true) << Send(JobCommand::Release);
      step.To(P::Idle).Progress(G::None);
      return;
    case M::LoadNext:
      step << Memo(MemoLine::WriterUnloaded);
      Count(step,
            event.command == JobCommand::Reject ? &JobFigures::rejected : &JobFigures::unloaded);
      return SendLoad(step);
    case M::StopQuietly:
      // The disc stays in the writer; "Ripping" stays disabled, so the disc's
      // return carries the job on. A disc that came back during the unload
      // is in the drive already: its removal unloads it.
      step << Memo(MemoLine::WriterUnloaded) << exitOn;
      if (state.phase == P::UnloadingDiscIn)
        step.To(P::Loaded).Progress(G::GoesOn);
      else
        step.To(P::Stopped).Progress(G::WaitsForUser);
      return;
    case M::Resume:
      // The responder is not armed: no load answered for this disc.
      step << Memo(MemoLine::VolumeArrived) << Status(EffectKind::EnterStatus, kStatusDiscLoaded);
      step.To(P::Loaded).Progress(G::GoesOn);
      return;
    case M::Recheck:
      step.State().terminatedSinceCheck = false;
      step << Effect(EffectKind::StartPoll) << exitOn;
      return;
    case M::Halt:
      step.State().halted = true;
      step.State().terminatedSinceCheck = true;
      step << Effect(EffectKind::ShowConflict) << exitOn;
      if (JobRuns(state)) step.Progress(G::CannotGoOn);
      return;
    case M::NoteArrival:
      step << Memo(MemoLine::VolumeArrived);
      return;
    case M::DiscArrived:
      step << Memo(MemoLine::VolumeArrived) << Status(EffectKind::EnterStatus, kStatusDiscLoaded);
      if (state.phase == P::Loading) step.To(P::LoadingDiscIn);
      if (state.phase == P::Unloading) step.To(P::UnloadingDiscIn);
      step.Progress(G::GoesOn);
      return;
    case M::NoteRemoval:
      step << Memo(MemoLine::VolumeRemoved);
      return;
    case M::DiscLeftEarly:
      step << Memo(MemoLine::VolumeRemoved);
      step.To(P::LoadingDiscLeft).Progress(G::GoesOn);
      return;
    case M::DiscLeftAgain:
      // A removal while an unload is out shows nothing; the phase only
      // forgets that the disc was back.
      step.To(P::Unloading);
      return;
    case M::UnloadRemoved:
      step << Memo(MemoLine::VolumeRemoved);
      return SendUnload(step, seen.rejectUnknown);
    case M::NoDevice:
      // A job waits for its drive: the disc's arrival and removal carry it on
      // when the drive returns.
      step << Memo(MemoLine::VolumeRemoved) << Status(EffectKind::EnterStatus, kStatusNoDevice)
           << Enable(JobControl::Ripping, false);
      if (state.phase == P::LoadingDiscIn) step.To(P::Loading);
      if (JobRuns(state)) step.Progress(G::CannotGoOn);
      return;
    case M::UnloadDeclined:
      return SendUnload(step, seen.rejectUnknown);
    case M::ForgetDecline:
      step << WatchActive(false) << Effect(EffectKind::ForgetUnknownDisc);
      return;
    case M::ManagerGone:
      if (AwaitsAnswerTo(state.phase, event.command))
        ManagerNotStarted(step, seen, state.phase != P::Idle);
      return;
    case M::ShowReady:
      // With "Ripping" enabled the disc of a stopped job is no longer the job's.
      step << exitOn << Status(EffectKind::SetStatusCode, kStatusReady)
           << Status(EffectKind::SetStatusText, kStatusReady) << Enable(JobControl::Ripping, true);
      step.To(P::Idle);
      return;
    case M::ShowNoDevice:
      step << exitOn << Status(EffectKind::SetStatusCode, kStatusNoDevice);
      // After "Terminate" the conflict keeps the line.
      if (!state.halted) step << Status(EffectKind::SetStatusText, kStatusNoDevice);
      // With no writer a job could not send anything, and with "Exit" disabled
      // by its start the window could never close again.
      step << Enable(JobControl::Ripping, false);
      // A stopped job has now lost its writer too: it cannot go on.
      if (JobRuns(state)) step.Progress(G::CannotGoOn);
      return;
    case M::KeepJob:
      step << exitOn;
      return;
    case M::AfterOccupiedBox:
      step << Enable(JobControl::ExitAndOptions, true);
      // Events kept coming while the box was open; a state they moved to (the
      // drive gone, a new job) stands.
      if (state.status == kStatusReady)
        step << Enable(JobControl::Ripping, seen.writersListed)
             << Status(EffectKind::SetStatusText, kStatusReady);
      // The job never started: nothing waits for the user any more.
      if (state.phase == P::Idle && state.progress == G::WaitsForUser) step.Progress(G::None);
      return;
    case M::Overdue:
      // A tick that outlived its wait finds nothing to say.
      if (state.wait.kind != JobWaitKind::None) step.State().waitTooLong = true;
      return;
  }
}

// Whether the step already sets the tooltip.
constexpr bool ShowsTooltip(const JobEffects& effects) {
  for (const JobEffect& effect : effects)
    if (effect.kind == EffectKind::StartFigures || effect.kind == EffectKind::ShowFigures ||
        effect.kind == EffectKind::ShowRefusal)
      return true;
  return false;
}

constexpr bool NeedsUser(JobProgress progress) {
  return progress == G::WaitsForUser || progress == G::CannotGoOn;
}

// Whether an effect begins what comes after the moment: a command or a player
// (the shell pumps messages), the "Occupied" box (it waits for a click), a new
// wait's clock.
constexpr bool BeginsNext(EffectKind kind) {
  return kind == EffectKind::SendCommand || kind == EffectKind::StartPlayer ||
         kind == EffectKind::ShowOccupiedBox || kind == EffectKind::WatchWait;
}

// What the user's notify command hears of a step, at most one moment: the end
// of a job, a job that needs a person, or a wait that began or ceased to last
// too long. Called after the step is decided.
constexpr bool NoticeOf(Move move, const JobState& state, const JobState& next, bool askedForUser,
                        JobNotice& notice) {
  if (move == M::EndJob) {
    notice = JobNotice::Done;
    return true;
  }
  // Only a job can need a person; a click that finds no manager is answered
  // at the screen.
  if (askedForUser && JobRuns(state)) {
    notice = JobNotice::Person;
    return true;
  }
  if (next.waitTooLong == state.waitTooLong) return false;
  // A "Terminate" that ends the start-up wait says the robot is held by
  // another program: nothing goes on.
  if (!next.waitTooLong && move == M::Halt) return false;
  notice = next.waitTooLong ? JobNotice::Stuck : JobNotice::GoingOn;
  return true;
}

// The notice goes out once the step has shown what it shows (the status, the
// figures) and before what begins next, so that a step nested inside a
// command's start or the box cannot tell of a later moment first.
constexpr void PushNotice(JobEffects& effects, JobNotice notice, bool inJob) {
  JobEffect effect = Effect(EffectKind::Notify, &JobEffect::notice, notice);
  effect.on = inJob;
  std::size_t at = 0;
  while (at < effects.size() && !BeginsNext(effects[at].kind)) ++at;
  effects.insert(at, effect);
}

constexpr JobStep Decide(const JobState& state, const JobEvent& event, const JobObservation& seen) {
  Step step(state);
  const Move move = kTable[static_cast<int>(state.phase)][static_cast<int>(event.kind)];
  Apply(move, step, state, event, seen);
  JobStep& done = step.Done();
  JobState& next = done.next;
  // A new wait starts its own clock; the answer to "Check" starts the wait
  // for the report afresh. Whatever lasted too long is over with its wait.
  const JobWait wait = WaitOf(next);
  const bool newWait =
      wait != state.wait || (move == M::Recheck && wait.kind == JobWaitKind::RobotWord);
  next.wait = wait;
  if (newWait) next.waitTooLong = false;
  const bool tooLongChanged = next.waitTooLong != state.waitTooLong;
  if (tooLongChanged && !ShowsTooltip(done.effects))
    done.effects.push(Effect(EffectKind::ShowFigures));
  if (newWait) done.effects.push(Effect(EffectKind::WatchWait));

  // First of all, in this order: a send pumps messages, and an answer that
  // ends the job inside it must find the PC already kept awake, and release
  // it after; and whether the user must be called is decided before anything
  // (the "Occupied" box) brings the window forward.
  const JobProgress before = state.progress;
  const JobProgress after = next.progress;
  const bool askedForUser = after != before && NeedsUser(after);
  JobNotice notice = JobNotice::Done;
  if (NoticeOf(move, state, next, askedForUser, notice))
    PushNotice(done.effects, notice, JobRuns(state));
  if (askedForUser || move == M::EndJob || (tooLongChanged && next.waitTooLong))
    done.effects.pushFront(Effect(EffectKind::AskForUser));
  if (after != before || tooLongChanged) {
    JobEffect shown = ShowProgress(after);
    shown.on = next.waitTooLong;
    done.effects.pushFront(shown);
  }
  if (KeepsAwake(after) != KeepsAwake(before)) done.effects.pushFront(KeepAwake(KeepsAwake(after)));
  return done;
}

// The longest step over every phase, event, progress and observation, with
// the values of the state and the event that any move reads; one more than
// the capacity when a step did not fit. Only states a job can be in count:
// the wait is the one the state gives, and only a wait can last too long.
constexpr std::size_t LongestStep() {
  constexpr JobCommand kCommands[] = {JobCommand::Load, JobCommand::Unload, JobCommand::Reject,
                                      JobCommand::Release, JobCommand::Check};
  constexpr int kStatuses[] = {kStatusInitializing, kStatusReady, kStatusDiscLoading,
                               kStatusDiscLoaded};
  std::size_t longest = 0;
  JobState state;
  for (int phase = 0; phase < kJobPhaseCount; ++phase) {
    state.phase = static_cast<JobPhase>(phase);
    for (int progress = 0; progress < 4; ++progress) {
      state.progress = static_cast<JobProgress>(progress);
      for (int flags = 0; flags < 256; ++flags) {
        state.halted = (flags & 1) != 0;
        state.terminatedSinceCheck = (flags & 128) != 0;
        state.status = kStatuses[(flags >> 1) & 3];
        state.sent = (flags & 8) != 0 ? JobCommand::Reject : JobCommand::Unload;
        state.wait = WaitOf(state);
        state.waitTooLong = (flags & 16) != 0;
        // Values that no move and no wait of the phase reads are left at one:
        // nothing sets "Initializing" again, a loaded disc's status tells its
        // wait, only an unload's kind tells its wait from a reject's, and only
        // a disc loaded is marked for the reject bin. Only a wait lasts too long.
        // A "Terminate" since the last check tells only the start-up wait.
        const bool unloading = state.phase == P::Unloading || state.phase == P::UnloadingDiscIn;
        const bool loaded = state.phase == P::Loaded;
        if ((state.status == kStatusInitializing && state.phase != P::Idle) ||
            (state.status == kStatusDiscLoaded && !loaded) || ((flags & 8) != 0 && !unloading) ||
            ((flags & 64) != 0 && !loaded) ||
            (state.waitTooLong && state.wait.kind == JobWaitKind::None) ||
            ((flags & 128) != 0 &&
             (!state.halted || state.phase != P::Idle || state.status != kStatusInitializing)))
          continue;
        const JobObservation seen{(flags & 32) != 0, (flags & 64) != 0};
        for (int kind = 0; kind < kJobEventKindCount; ++kind) {
          JobEvent event(static_cast<JobEventKind>(kind));
          // Only a click and a manager not started carry choices that a move reads.
          const bool choices = event.kind == JobEventKind::RippingClicked ||
                               event.kind == JobEventKind::CommandNotStarted;
          for (int variant = 0; variant < (choices ? 5 : 1); ++variant) {
            event.command = kCommands[variant];
            event.player = variant % 2 == 0 ? JobPlayer::ITunes : JobPlayer::None;
            event.managerFound = variant < 3;
            const JobEffects effects = Decide(state, event, seen).effects;
            if (effects.overflowed()) return JobEffects::kCapacity + 1;
            if (effects.size() > longest) longest = effects.size();
          }
        }
      }
    }
  }
  return longest;
}

static_assert(LongestStep() == JobEffects::kCapacity,
              "the effect list must hold exactly the longest step the machine makes");

}  // namespace

JobStep NextJobStep(const JobState& state, const JobEvent& event, const JobObservation& seen) {
  return Decide(state, event, seen);
}

}  // namespace sc
