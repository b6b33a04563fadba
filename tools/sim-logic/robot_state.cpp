#include "robot_state.h"

#include <sstream>

#include "ini_values.h"

namespace sc::tools {
namespace {

std::vector<int> ParseDiscs(const std::string& text) {
  std::vector<int> discs;
  for (const auto& item : SplitList(text)) {
    long disc = 0;
    if (ParseNumber(item, disc)) discs.push_back(static_cast<int>(disc));
  }
  return discs;
}

std::string JoinDiscs(const std::vector<int>& discs) {
  std::string text;
  for (int disc : discs) text += (text.empty() ? "" : ",") + std::to_string(disc);
  return text;
}

}  // namespace

RobotState ParseRobotState(const std::string& text) {
  IniValues ini = IniValues::Parse(text);
  RobotState state;
  state.next_disc = static_cast<int>(ini.Number("next_disc", 1));
  state.commands = ini.Number("commands", 0);
  state.loads = ini.Number("loads", 0);
  for (const auto& [key, value] : ini.All()) {
    long disc = 0;
    if (key.size() == 8 && key.compare(0, 7, "writer.") == 0 && ParseNumber(value, disc) &&
        disc > 0) {
      state.in_writer[key[7]] = static_cast<int>(disc);
    }
  }
  state.output = ParseDiscs(ini.Text("output_discs", ""));
  state.rejected = ParseDiscs(ini.Text("rejected_discs", ""));
  return state;
}

std::string FormatRobotState(const RobotState& state) {
  std::ostringstream out;
  out << "next_disc = " << state.next_disc << "\n";
  out << "commands = " << state.commands << "\n";
  out << "loads = " << state.loads << "\n";
  for (const auto& [drive, disc] : state.in_writer) {
    out << "writer." << drive << " = " << disc << "\n";
  }
  out << "output = " << state.output.size() << "\n";
  out << "output_discs = " << JoinDiscs(state.output) << "\n";
  out << "rejected = " << state.rejected.size() << "\n";
  out << "rejected_discs = " << JoinDiscs(state.rejected) << "\n";
  return out.str();
}

}  // namespace sc::tools
