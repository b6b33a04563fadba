// What the manager does for one command, decided without touching Windows: a
// list of steps that ketmgr.exe carries out in order, and the robot's state
// afterwards. Keeping the decision here lets the native tests walk a whole
// stack of discs through load, unload and reject.
#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "disc_marker.h"
#include "notice_record.h"
#include "robot_config.h"
#include "robot_state.h"

namespace sc::tools {

struct RobotStep {
  enum class Kind {
    PublishWait,   // "Robot Report" = "Wait" (and the manager path)
    PublishUnits,  // the unit and writer keys, replacing the old ones
    PublishReady,  // "Robot Report" = "Ready"
    Pause,         // ms
    SendNotice,    // notice; not delivered when `deliver` is false
    PlaceDisc,     // drive, disc: write the disc marker
    TakeDisc,      // drive: delete the disc marker
    Arrival,       // drive: volume arrival to every top-level window
    Removal,       // drive: volume removal to every top-level window
    Note,          // text: a line for the log only
  };
  Kind kind = Kind::Note;
  int ms = 0;
  Notice notice;
  bool deliver = true;
  char drive = 0;
  DiscMarker disc;
  std::string text;
};

struct RobotPlan {
  std::vector<RobotStep> steps;
  RobotState state;
  bool save_state = false;
  // The manager dies once the steps are done and the state is saved: the
  // robot did its part, but no notice (and nothing after it) goes out.
  bool die = false;
};

// `disc_in_drive`: the target writer's drive still shows a disc marker, that
// is, the player has not ejected the disc.
RobotPlan PlanCommand(const RobotConfig& config, const RobotState& before,
                      const ManagerRequest& request, bool disc_in_drive);

// The drive letter a writer text starts with, or 0 when it starts with
// anything but an upper-case letter.
char DriveOfWriter(const std::string& writer);

bool IsKnownWriter(const RobotConfig& config, const std::string& writer);

}  // namespace sc::tools
