#include "rules_walk.h"

#include <deque>
#include <map>
#include <tuple>

namespace sc {

namespace {

// The events a running window can meet; those that carry a choice with each
// value a move reads. A click comes only while the window takes clicks, the
// box's close only while it is open, a wait too long only while one runs.
std::vector<JobEvent> EventsAt(const JobState& job, const WindowFace& face) {
  std::vector<JobEvent> events;
  if (face.rippingEnabled && !face.boxOpen) {
    events.push_back(RippingClick(JobPlayer::ITunes, "E: Writer", true));
    events.push_back(RippingClick(JobPlayer::ITunes, "E: Writer", false));
    events.push_back(RippingClick(JobPlayer::None, "E: Writer", true));
  }
  for (JobEventKind kind :
       {JobEventKind::LoadOk, JobEventKind::LoadOccupied, JobEventKind::LoadRefused,
        JobEventKind::UnloadOk, JobEventKind::UnloadFailed, JobEventKind::Recheck,
        JobEventKind::Terminate, JobEventKind::OtherNotice, JobEventKind::VolumeArrived,
        JobEventKind::VolumeLeft, JobEventKind::DriveGone, JobEventKind::DiscDeclined,
        JobEventKind::ReportWithWriters, JobEventKind::ReportNoWriters})
    events.emplace_back(kind);
  JobEvent rejected(JobEventKind::UnloadOk);
  rejected.command = JobCommand::Reject;
  events.push_back(rejected);
  if (face.justSent >= 0) events.push_back(NotStarted(static_cast<JobCommand>(face.justSent)));
  if (face.boxOpen) events.emplace_back(JobEventKind::OccupiedBoxClosed);
  if (job.wait.kind != JobWaitKind::None && !job.waitTooLong)
    events.emplace_back(JobEventKind::WaitTooLong);
  return events;
}

// Carries out the effects the face shows; those after the box wait for its close.
void Show(const JobEffects& effects, WindowFace& face) {
  bool afterBox = false;
  face.justSent = -1;
  for (const JobEffect& effect : effects) {
    if (effect.kind == EffectKind::SendCommand) face.justSent = static_cast<int>(effect.command);
    if (effect.kind == EffectKind::ShowOccupiedBox) {
      face.boxOpen = afterBox = true;
      continue;
    }
    const bool exitChange =
        effect.kind == EffectKind::Enable &&
        (effect.control == JobControl::Exit || effect.control == JobControl::ExitAndOptions);
    const bool rippingChange =
        effect.kind == EffectKind::Enable && effect.control == JobControl::Ripping;
    int text = -2;
    if (effect.kind == EffectKind::EnterStatus || effect.kind == EffectKind::SetStatusText)
      text = effect.status;
    if (effect.kind == EffectKind::ShowConflict) text = -1;
    if (afterBox) {
      if (exitChange) face.exitAfterBox = effect.on ? 1 : 0;
      if (text != -2) face.textAfterBox = text;
      if (rippingChange) face.rippingAfterBox = effect.on ? 1 : 0;
    } else {
      if (rippingChange) face.rippingEnabled = effect.on;
      if (exitChange) face.exitEnabled = effect.on;
      if (text != -2) face.text = text;
    }
  }
}

// The box closes: its own step runs inside it, then what waited for it.
void CloseBox(const JobEffects& effects, WindowFace& face) {
  face.boxOpen = false;
  Show(effects, face);
  if (face.exitAfterBox >= 0) face.exitEnabled = face.exitAfterBox == 1;
  if (face.textAfterBox != -2) face.text = face.textAfterBox;
  if (face.rippingAfterBox >= 0) face.rippingEnabled = face.rippingAfterBox == 1;
  face.rippingAfterBox = -1;
  face.exitAfterBox = -1;
  face.textAfterBox = -2;
}

// What tells one walked state from another: all that a move or the table
// reads. The figures and the writer's name change no rule.
using Key = std::tuple<int, int, bool, bool, int, int, int, int, bool, int, bool, bool, bool, int,
                       int, int, int>;

Key KeyOf(const JobState& j, const WindowFace& f) {
  return {static_cast<int>(j.phase),
          j.status,
          j.halted,
          j.terminatedSinceCheck,
          static_cast<int>(j.progress),
          static_cast<int>(j.sent),
          static_cast<int>(j.wait.kind),
          static_cast<int>(j.wait.command),
          j.waitTooLong,
          f.text,
          f.exitEnabled,
          f.rippingEnabled,
          f.boxOpen,
          f.exitAfterBox,
          f.textAfterBox,
          f.rippingAfterBox,
          f.justSent};
}

}  // namespace

RulesWalk WalkJobMachine() {
  RulesWalk walk;
  std::map<Key, int> seenStates;
  std::deque<int> queue;
  const auto reach = [&](const JobState& job, const WindowFace& face) {
    JobState kept = job;
    kept.figures = JobFigures{};
    AssignCut(kept.writer, "E: Writer");
    const auto [at, added] = seenStates.emplace(KeyOf(kept, face), walk.states.size());
    if (added) {
      walk.states.push_back({kept, face, {}, {}});
      queue.push_back(at->second);
    }
    return at->second;
  };
  reach(JobState{}, WindowFace{});
  while (!queue.empty()) {
    const int from = queue.front();
    queue.pop_front();
    const WalkedState state = walk.states[from];
    for (const JobEvent& event : EventsAt(state.job, state.face)) {
      for (const JobObservation seen : {JobObservation{true, false}, JobObservation{true, true},
                                        JobObservation{false, false}}) {
        const JobStep step = NextJobStep(state.job, event, seen);
        WindowFace face = state.face;
        if (event.kind == JobEventKind::OccupiedBoxClosed)
          CloseBox(step.effects, face);
        else
          Show(step.effects, face);
        const int to = reach(step.next, face);
        walk.steps.push_back({event, seen, from, to, step.effects});
        walk.states[from].stepsOut.push_back(static_cast<int>(walk.steps.size()) - 1);
        walk.states[to].stepsIn.push_back(static_cast<int>(walk.steps.size()) - 1);
      }
    }
  }
  return walk;
}

bool IsRobotMessage(JobEventKind kind) {
  switch (kind) {
    case JobEventKind::LoadOk:
    case JobEventKind::LoadOccupied:
    case JobEventKind::LoadRefused:
    case JobEventKind::UnloadOk:
    case JobEventKind::UnloadFailed:
    case JobEventKind::Recheck:
    case JobEventKind::Terminate:
    case JobEventKind::OtherNotice:
      return true;
    default:
      return false;
  }
}

std::string Phrase(const JobEvent& event) {
  switch (event.kind) {
    case JobEventKind::RippingClicked:
      return "a click on \"Ripping\"";
    case JobEventKind::LoadOk:
      return "the load's \"OK\"";
    case JobEventKind::LoadOccupied:
      return "the load's \"Occupied\"";
    case JobEventKind::LoadRefused:
      return "the load's other answers";
    case JobEventKind::UnloadOk:
      return event.command == JobCommand::Reject ? "the reject's \"OK\"" : "the unload's \"OK\"";
    case JobEventKind::UnloadFailed:
      return "a failed unload";
    case JobEventKind::Recheck:
      return "\"Check\" or \"Refresh\"";
    case JobEventKind::Terminate:
      return "\"Terminate\"";
    case JobEventKind::OtherNotice:
      return "any other message";
    case JobEventKind::VolumeArrived:
      return "a disc in the writer";
    case JobEventKind::VolumeLeft:
      return "the disc leaving the writer";
    case JobEventKind::DriveGone:
      return "the writer's drive gone";
    case JobEventKind::DiscDeclined:
      return "the iTunes dialog declined";
    case JobEventKind::CommandNotStarted:
      return "the robot software not starting";
    case JobEventKind::ReportWithWriters:
      return "the robot's report with writers";
    case JobEventKind::ReportNoWriters:
      return "the robot's report without writers";
    case JobEventKind::OccupiedBoxClosed:
      return "the \"Occupied\" box closed";
    case JobEventKind::WaitTooLong:
      return "the wait past its limit";
  }
  return "";
}

std::string ShownText(const WindowFace& face) {
  return face.text < 0 ? kConflictText : StatusText(face.text);
}

}  // namespace sc
