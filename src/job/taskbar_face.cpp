#include "job/taskbar_face.h"

namespace sc {

namespace {

// The line a wait that has lasted too long adds, by what the job waits for.
std::string WaitLine(const JobWait& wait, const std::string& since) {
  std::string line;
  switch (wait.kind) {
    case JobWaitKind::None:
      return "";
    case JobWaitKind::RobotWord:
      line = "No word from the robot software";
      break;
    case JobWaitKind::RobotAnswer:
      line = std::string("No answer from the robot to the ") + ActionOf(wait.command);
      break;
    case JobWaitKind::DiscToWriter:
      line = "The loaded disc has not reached the writer";
      break;
    case JobWaitKind::DiscRipped:
      line = "The disc has been in the writer";
      break;
  }
  return since.empty() ? line : line + " since " + since;
}

}  // namespace

TaskbarProgress TaskbarShows(JobProgress progress, bool waitTooLong) {
  if (waitTooLong) return TaskbarProgress::Paused;
  // In the order of JobProgress: None, GoesOn, WaitsForUser, CannotGoOn.
  static constexpr TaskbarProgress kShown[] = {TaskbarProgress::None,
                                               TaskbarProgress::Indeterminate,
                                               TaskbarProgress::Paused, TaskbarProgress::Error};
  return kShown[static_cast<int>(progress)];
}

std::uint32_t WaitLimitMs(JobWaitKind kind, const WaitLimits& limits) {
  constexpr std::uint32_t kMinute = 60 * 1000;
  switch (kind) {
    case JobWaitKind::None:
      return 0;
    case JobWaitKind::DiscRipped:
      return limits.discMinutes * kMinute;
    case JobWaitKind::RobotWord:
    case JobWaitKind::RobotAnswer:
    case JobWaitKind::DiscToWriter:
      break;
  }
  return limits.robotAnswerMinutes * kMinute;
}

std::string FiguresTooltip(const JobFigures& figures, const std::string& startedAt) {
  std::string text = std::to_string(figures.loaded) + (figures.loaded == 1 ? " disc" : " discs") +
                     " loaded, " + std::to_string(figures.unloaded) + " unloaded, " +
                     std::to_string(figures.rejected) + " to the reject bin";
  if (!startedAt.empty()) text += "; job started " + startedAt;
  return text;
}

std::string TaskbarTooltip(const JobState& job, const TooltipFacts& facts) {
  std::string text;
  // CR LF: the common controls' tooltips break a line only there.
  const auto add = [&text](const std::string& line) {
    if (!line.empty()) text += (text.empty() ? "" : "\r\n") + line;
  };
  if (job.waitTooLong) add(WaitLine(job.wait, facts.waitSince));
  if (facts.refused)
    add("The robot refused the job" + (facts.refusedAt.empty() ? "" : " on " + facts.refusedAt) +
        ": another Autoloader application holds it");
  if (facts.jobStarted) add(FiguresTooltip(job.figures, facts.startedAt));
  return text;
}

}  // namespace sc
