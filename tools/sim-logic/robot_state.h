// The robot as it stands between two starts of the manager: which disc of the
// stack comes next, which disc sits in which writer, and where the finished
// discs went. Kept in robot.state beside ketmgr.exe; deleting the file puts
// the whole stack back.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sc::tools {

struct RobotState {
  int next_disc = 1;              // discs next_disc..discs are still waiting
  long commands = 0;              // command lines handled, all actions counted
  long loads = 0;                 // load commands handled
  std::map<char, int> in_writer;  // by the writer's drive letter
  std::vector<int> output;
  std::vector<int> rejected;
};

RobotState ParseRobotState(const std::string& text);
std::string FormatRobotState(const RobotState& state);

}  // namespace sc::tools
