// What the taskbar button tells of a job from across the room: its state,
// and the night's figures over its thumbnail.
#pragma once

#include <string>

#include "job/job_machine.h"
#include "platform/platform.h"

namespace sc {

// Indeterminate while the job goes on by itself, paused (yellow) while it
// waits for a person, error (red) while it cannot go on: the robot never says
// how many discs the stack holds, so there is no share done to show.
TaskbarProgress TaskbarShows(JobProgress progress);

// "3 discs loaded, 2 unloaded, 1 to the reject bin; job started <startedAt>",
// without the start when Windows could not format the time.
std::string FiguresTooltip(const JobFigures& figures, const std::string& startedAt);

}  // namespace sc
