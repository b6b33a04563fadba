// Stacks of discs for the long runs: random traits from a seed that the test
// prints, so that a failing run can be repeated with SPOOLCAT_SOAK_SEED.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace e2e {

// The seed from SPOOLCAT_SOAK_SEED when it is set, else `fallback`; printed.
unsigned SoakSeed(unsigned fallback);

struct DiscStack {
  // Each disc's one trait ("" for a disc without questions), disc 1 first.
  std::vector<std::string> traits;

  int size() const { return static_cast<int>(traits.size()); }
  // discs = N and a disc.<n> line for each disc with a trait.
  std::string RobotIni() const;
  // The numbers of the discs with this trait, in order.
  std::vector<int> With(const std::string& trait) const;
};

// `kinds` are drawn with equal chance for each disc; repeat one to weight it.
DiscStack RandomStack(unsigned seed, int discs, const std::vector<std::string>& kinds);

// The robot at its quickest: no pause between the steps of a command.
inline constexpr const char* kQuickRobot =
    "check_delay_ms = 0\nload_delay_ms = 0\narrival_delay_ms = 0\nunload_delay_ms = 0\n";

// A list of disc numbers as robot.state writes it: "1,2,5".
std::string DiscList(const std::vector<int>& discs);

// The lines of a substitute's log that carry `event` for a disc, e.g.
// "DISC-IN" in ketmgr.log or "RIPPED" and "CLICK" in a player's log, by disc.
std::map<int, std::vector<std::string>> DiscEvents(const std::string& logPath,
                                                   const std::string& event);

}  // namespace e2e
