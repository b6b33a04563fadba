#include "robot_config.h"

namespace sc::tools {
namespace {

constexpr const char* kDefaultWriter = "E: Writer 1";

RootChoice ReadRoot(const std::string& text) {
  if (text == "HKCU" || text == "HKEY_CURRENT_USER") return RootChoice::CurrentUser;
  if (text == "HKLM" || text == "HKEY_LOCAL_MACHINE") return RootChoice::LocalMachine;
  return RootChoice::Auto;
}

int Millis(const IniValues& ini, const std::string& key, int fallback) {
  long value = ini.Number(key, fallback);
  return value < 0 ? 0 : static_cast<int>(value);
}

// "unit.<u>.writer.<w>" keys name the writers that exist; unit 1's first
// writer also answers to the short key "writer".
UnitConfig ReadUnit(const IniValues& ini, int u) {
  std::string prefix = "unit." + std::to_string(u) + ".";
  UnitConfig unit;
  unit.name = ini.Text(prefix + "name", "Unit" + std::to_string(u));
  unit.online = ini.Flag(prefix + "online", true);
  if (u == 1) unit.texts[1] = ini.Text("writer", kDefaultWriter);
  std::string writer_prefix = prefix + "writer.";
  for (const auto& [key, value] : ini.All()) {
    if (key.compare(0, writer_prefix.size(), writer_prefix) != 0) continue;
    long w = 0;
    if (ParseNumber(key.substr(writer_prefix.size()), w) && w > 0) unit.texts[w] = value;
  }
  unsigned long highest = unit.texts.empty() ? 0 : unit.texts.rbegin()->first;
  unit.writers = static_cast<unsigned long>(ini.Number(prefix + "writers", highest));
  return unit;
}

}  // namespace

RobotConfig ReadRobotConfig(const IniValues& ini) {
  RobotConfig config;
  config.discs = static_cast<int>(ini.Number("discs", config.discs));
  for (const auto& [key, value] : ini.All()) {
    long disc = 0;
    if (key.compare(0, 5, "disc.") == 0 && ParseNumber(key.substr(5), disc)) {
      config.traits[static_cast<int>(disc)] = SplitList(value);
    }
  }
  long units = ini.Number("units", 1);
  for (int u = 1; u <= units; ++u) config.units.push_back(ReadUnit(ini, u));
  config.root = ReadRoot(ini.Text("registry_root", "auto"));
  config.write_manager_path = ini.Flag("write_manager_path", true);

  config.check_delay_ms = Millis(ini, "check_delay_ms", config.check_delay_ms);
  config.load_delay_ms = Millis(ini, "load_delay_ms", config.load_delay_ms);
  config.arrival_delay_ms = Millis(ini, "arrival_delay_ms", config.arrival_delay_ms);
  config.unload_delay_ms = Millis(ini, "unload_delay_ms", config.unload_delay_ms);

  std::string occupied = ini.Text("occupied_loads", "0");
  config.occupied_loads = occupied == "all" ? -1 : ini.Number("occupied_loads", 0);
  config.empty_result = ini.Text("empty_result", config.empty_result);
  config.empty_detail = ini.Text("empty_detail", config.empty_detail);
  config.unload_result = ini.Text("unload_result", config.unload_result);
  config.reject_result = ini.Text("reject_result", config.reject_result);
  for (const auto& action : ini.List("no_answer")) config.no_answer.insert(action);
  for (const auto& [key, value] : ini.All()) {
    long n = 0;
    if (key.compare(0, 13, "notice_after.") == 0 && ParseNumber(key.substr(13), n)) {
      config.notice_after[n] = value;
    }
  }
  config.die_at_command = ini.Number("die_at_command", 0);
  config.record_only = ini.Flag("record_only", false);
  config.disc_folder = ini.Text("disc_folder", "");
  return config;
}

std::vector<std::string> TraitsOf(const RobotConfig& config, int disc) {
  auto it = config.traits.find(disc);
  return it == config.traits.end() ? std::vector<std::string>{} : it->second;
}

}  // namespace sc::tools
