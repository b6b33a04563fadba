// The robot software's key, SOFTWARE\Venmora\Kelvomat, as the manager keeps it:
// "Robot Report", the manager's own path, and one key per unit with its
// writers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "robot_config.h"

namespace sc::tools {

class RobotRegistry {
 public:
  explicit RobotRegistry(RootChoice choice);

  const char* RootName() const;

  // Returns the Win32 error code, 0 on success.
  LONG SetReport(const std::string& report);
  LONG SetManagerPath(const std::string& path);
  // Replaces every unit key under the robot key with the configured ones.
  LONG SetUnits(const std::vector<UnitConfig>& units);

 private:
  HKEY root_;
};

// The root the program picks for itself: the current user's from Vista on,
// the machine's for XP and older.
HKEY RootLikeTheProgram();

}  // namespace sc::tools
