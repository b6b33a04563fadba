// What the taskbar button tells of a job from across the room: its state,
// and over its thumbnail a wait that has lasted too long, the robot's
// refusal and the night's figures.
#pragma once

#include <string>

#include "job/job_machine.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace sc {

// Indeterminate while the job goes on by itself, paused (yellow) while it
// waits for a person or a wait has lasted too long, error (red) while it
// cannot go on: the robot never says how many discs the stack holds, so
// there is no share done to show.
TaskbarProgress TaskbarShows(JobProgress progress, bool waitTooLong);

// How long a wait of `kind` may last before the button says so, in
// milliseconds; 0 for no wait.
std::uint32_t WaitLimitMs(JobWaitKind kind, const WaitLimits& limits);

// "3 discs loaded, 2 unloaded, 1 to the reject bin; job started <startedAt>",
// without the start when Windows could not format the time.
std::string FiguresTooltip(const JobFigures& figures, const std::string& startedAt);

// What the tooltip tells beside the job's state, with the times as Windows
// wrote them ("" when it could not).
struct TooltipFacts {
  bool jobStarted = false;  // a job with figures to tell started at `startedAt`
  bool refused = false;     // the robot refused the last job ("Occupied") at `refusedAt`
  std::string startedAt;
  std::string refusedAt;
  std::string waitSince;  // the clock time the current wait began
};

// One line each, joined by CR LF, the most urgent first: a wait that has
// lasted too long, since when; the robot's refusal; the job's figures. A
// tooltip shown as one line, or cut short, loses the end. "" when there is
// nothing to tell.
std::string TaskbarTooltip(const JobState& job, const TooltipFacts& facts);

}  // namespace sc
