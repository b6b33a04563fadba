// A loaded disc is a small text file in the writer's drive: the robot writes it
// when the disc goes in, the player reads it to learn what kind of disc it
// rips, and whoever takes the disc out (player eject or robot unload) deletes
// it. Its presence is what "the disc is in the drive" means.
#pragma once

#include <string>
#include <vector>

namespace sc::tools {

constexpr const char* kDiscMarkerName = "simdisc.txt";

struct DiscMarker {
  int disc = 0;
  std::vector<std::string> traits;
};

std::string FormatDiscMarker(const DiscMarker& marker);
DiscMarker ParseDiscMarker(const std::string& text);

bool HasTrait(const DiscMarker& marker, const std::string& trait);

// The marker's path: in `folder` if one is configured, else the drive's root.
std::string DiscMarkerPath(const std::string& folder, char drive);

std::string JoinTraits(const std::vector<std::string>& traits);

}  // namespace sc::tools
