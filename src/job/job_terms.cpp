// The machine's vocabulary: command words, memo lines, names for pictures and
// messages, and the small questions the window asks of a state.
#include "job/job_machine.h"
#include "player/player_discovery.h"

namespace sc {

const char* ActionOf(JobCommand command) {
  static const char* const kActions[] = {"load", "unload", "reject", "Release", "Check"};
  return kActions[static_cast<int>(command)];
}

const char* TextOf(MemoLine line) {
  static const char* const kLines[] = {
      "ProcessAutoladerMessage() Writer loaded", "ProcessAutoladerMessage() Writer unloaded",
      "DBT_DEVICEARRIVAL", "DBT_DEVICEREMOVECOMPLETE --> UnloadWriter"};
  return kLines[static_cast<int>(line)];
}

std::string WatchedWriter(const JobState& state, const std::string& selectedWriter) {
  return JobRuns(state) ? sc::TextOf(state.writer) : selectedWriter;
}

namespace {

JobEventKind EventOfNotice(NoticeKind kind) {
  switch (kind) {
    case NoticeKind::Loaded:
      return JobEventKind::LoadOk;
    case NoticeKind::Occupied:
      return JobEventKind::LoadOccupied;
    case NoticeKind::LoadRefused:
      return JobEventKind::LoadRefused;
    case NoticeKind::Unloaded:
      return JobEventKind::UnloadOk;
    case NoticeKind::UnloadFailed:
      return JobEventKind::UnloadFailed;
    case NoticeKind::Recheck:
      return JobEventKind::Recheck;
    case NoticeKind::Terminate:
      return JobEventKind::Terminate;
    case NoticeKind::Ignored:
      break;
  }
  return JobEventKind::OtherNotice;
}

}  // namespace

JobEvent EventOfNotice(const ManagerNotice& notice) {
  JobEvent event(EventOfNotice(ClassifyNotice(notice)));
  // The figures count what the robot says it did with the disc.
  if (ActionIs(notice, "reject")) event.command = JobCommand::Reject;
  return event;
}

JobEvent RippingClick(JobPlayer player, const std::string& writer, bool managerFound) {
  JobEvent event(JobEventKind::RippingClicked);
  event.player = player;
  AssignCut(event.writer, writer);
  event.managerFound = managerFound;
  return event;
}

JobEvent NotStarted(JobCommand command) {
  JobEvent event(JobEventKind::CommandNotStarted);
  event.command = command;
  return event;
}

JobPlayer PlayerNamed(const std::string& itemText) {
  if (itemText == kWmpName) return JobPlayer::WindowsMediaPlayer;
  if (itemText == kITunesName) return JobPlayer::ITunes;
  return JobPlayer::None;
}

std::vector<CommandPair> CommandPairs(JobCommand command, const std::string& caller,
                                      const std::string& writer) {
  if (command == JobCommand::Release)
    return {{"caller", caller}, {"target", writer}, {"action", ActionOf(command)}};
  if (command == JobCommand::Check) return {{"caller", caller}, {"action", ActionOf(command)}};
  return {{"caller", caller}, {"action", ActionOf(command)}, {"target", writer}};
}

const char* NameOf(JobPhase phase) {
  static const char* const kNames[kJobPhaseCount] = {
      "Idle",   "Loading",   "LoadingDiscIn",   "LoadingDiscLeft",
      "Loaded", "Unloading", "UnloadingDiscIn", "Stopped"};
  return kNames[static_cast<int>(phase)];
}

const char* NameOf(JobEventKind kind) {
  static const char* const kNames[kJobEventKindCount] = {"RippingClicked",    "LoadOk",
                                                         "LoadOccupied",      "LoadRefused",
                                                         "UnloadOk",          "UnloadFailed",
                                                         "Recheck",           "Terminate",
                                                         "OtherNotice",       "VolumeArrived",
                                                         "VolumeLeft",        "DriveGone",
                                                         "DiscDeclined",      "CommandNotStarted",
                                                         "ReportWithWriters", "ReportNoWriters",
                                                         "OccupiedBoxClosed", "WaitTooLong"};
  return kNames[static_cast<int>(kind)];
}

// The words the notify command is given.
const char* NameOf(JobNotice notice) {
  static const char* const kNames[] = {"done", "person", "stuck", "going-on"};
  return kNames[static_cast<int>(notice)];
}

namespace {

const char* NameOf(JobControl control) {
  static const char* const kNames[] = {"players", "ripping", "exit", "exit+options", "options"};
  return kNames[static_cast<int>(control)];
}

const char* NameOf(JobPlayer player) {
  static const char* const kNames[] = {"none", "wmp", "itunes"};
  return kNames[static_cast<int>(player)];
}

const char* NameOf(JobProgress progress) {
  static const char* const kNames[] = {"none", "goes on", "waits", "cannot go on"};
  return kNames[static_cast<int>(progress)];
}

const char* NameOf(MemoLine line) {
  static const char* const kNames[] = {"loaded", "unloaded", "arrival", "removal"};
  return kNames[static_cast<int>(line)];
}

}  // namespace

// Short words, so that a step's effects read as one line of a table.
std::string Describe(const JobEffect& effect) {
  const std::string status = std::to_string(effect.status);
  switch (effect.kind) {
    case EffectKind::SendCommand:
      return std::string("send ") + ActionOf(effect.command);
    case EffectKind::StartPlayer:
      return std::string("player ") + NameOf(effect.player);
    case EffectKind::EnterStatus:
      return "status " + status;
    case EffectKind::SetStatusCode:
      return "code " + status;
    case EffectKind::SetStatusText:
      return "text " + status;
    case EffectKind::ShowConflict:
      return "conflict";
    case EffectKind::Enable:
      return std::string(effect.on ? "+" : "-") + NameOf(effect.control);
    case EffectKind::ShowOccupiedBox:
      return "box";
    case EffectKind::WriteMemo:
      return std::string("memo ") + NameOf(effect.line);
    case EffectKind::SetWatchActive:
      return effect.on ? "watch" : "unwatch";
    case EffectKind::ForgetUnknownDisc:
      return "forget";
    case EffectKind::StartPoll:
      return "poll";
    case EffectKind::KeepAwake:
      return effect.on ? "+awake" : "-awake";
    case EffectKind::SaveChoices:
      return "save";
    case EffectKind::ShowProgress:
      return effect.on ? "taskbar waited too long"
                       : std::string("taskbar ") + NameOf(effect.progress);
    case EffectKind::AskForUser:
      return "flash";
    case EffectKind::StartFigures:
      return "new figures";
    case EffectKind::ShowFigures:
      return "figures";
    case EffectKind::ShowRefusal:
      return "refused";
    case EffectKind::WatchWait:
      return "clock";
    case EffectKind::Notify:
      return std::string("notify ") + NameOf(effect.notice) + (effect.on ? "" : " (no job)");
  }
  return "?";
}

std::string Describe(const JobEffects& effects) {
  std::string text;
  for (const JobEffect& effect : effects) text += (text.empty() ? "" : ", ") + Describe(effect);
  return text;
}

}  // namespace sc
