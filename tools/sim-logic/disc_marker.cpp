#include "disc_marker.h"

#include <algorithm>

#include "ini_values.h"

namespace sc::tools {

std::string JoinTraits(const std::vector<std::string>& traits) {
  std::string text;
  for (const auto& trait : traits) text += (text.empty() ? "" : ",") + trait;
  return text;
}

std::string FormatDiscMarker(const DiscMarker& marker) {
  return "disc = " + std::to_string(marker.disc) + "\ntraits = " + JoinTraits(marker.traits) + "\n";
}

DiscMarker ParseDiscMarker(const std::string& text) {
  IniValues ini = IniValues::Parse(text);
  DiscMarker marker;
  marker.disc = static_cast<int>(ini.Number("disc", 0));
  marker.traits = ini.List("traits");
  return marker;
}

bool HasTrait(const DiscMarker& marker, const std::string& trait) {
  return std::find(marker.traits.begin(), marker.traits.end(), trait) != marker.traits.end();
}

std::string DiscMarkerPath(const std::string& folder, char drive) {
  if (folder.empty()) return std::string(1, drive) + ":\\" + kDiscMarkerName;
  bool has_slash = folder.back() == '\\' || folder.back() == '/';
  return folder + (has_slash ? "" : "\\") + kDiscMarkerName;
}

}  // namespace sc::tools
