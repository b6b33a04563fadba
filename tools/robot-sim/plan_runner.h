// Carries out a robot plan against the real system: registry, disc marker,
// notices and volume messages, logging each step.
#pragma once

#include "command_line.h"
#include "robot_config.h"
#include "robot_plan.h"
#include "tool_log.h"

namespace sc::tools {

void RunPlan(const RobotPlan& plan, const RobotConfig& config, const ManagerRequest& request,
             const ToolLog& log);

// STATE waiting=<n> writers="<drive>:<disc>,..." output=<n> rejected=<n>
std::string StateBody(const RobotConfig& config, const RobotState& state);

}  // namespace sc::tools
