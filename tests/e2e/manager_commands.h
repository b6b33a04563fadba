// The command lines the program gives the manager for a job on the robot's
// default writer, as the manager's log records them.
#pragma once

#include <string>
#include <vector>

namespace e2e {

inline const std::string kWriter = "E: Writer 1";
inline const std::string kCheck = "--caller Spoolcat: --action Check";
inline const std::string kLoad = "--caller Spoolcat: --action load --target " + kWriter;
inline const std::string kUnload = "--caller Spoolcat: --action unload --target " + kWriter;
inline const std::string kRelease = "--caller Spoolcat: --target " + kWriter + " --action Release";

// A whole job whose discs leave the writer by the given actions ("unload" or
// "reject"), one per disc: Check, then load and take-out per disc, the load
// that finds the stack empty, and Release.
std::vector<std::string> JobCommands(const std::vector<std::string>& outs);

}  // namespace e2e
