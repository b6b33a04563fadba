#pragma once

#include <string>

#include "platform/platform.h"

namespace sc {

constexpr const char* kRobotKeyPath = "SOFTWARE\\Venmora\\Kelvomat";
constexpr const char* kRobotReportValue = "Robot Report";

// The manager's path: ketmgr.exe beside the program when it is there (a file
// with the archive attribute); otherwise the path that the robot software
// registered, and the robot software is asked to report ("Check"). A key that
// may only be read (a standard account on XP) still gives its path; the
// request then fails unseen. At most 259 characters; a program directory too
// long to take "\ketmgr.exe" yields no path beside the program rather than a
// cut one.
std::string LocateManager(const Platform& platform, RegRoot root);

}  // namespace sc
