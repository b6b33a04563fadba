// What the simulated robot is like: its stack of discs, its units and writers,
// where it publishes them, its pace, and the faults it is told to show. Read
// from robot.ini beside ketmgr.exe; every key is optional (README lists them).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ini_values.h"

namespace sc::tools {

enum class RootChoice { Auto, CurrentUser, LocalMachine };

struct UnitConfig {
  std::string name;
  bool online = true;
  unsigned long writers = 0;                   // the "Writers" value written
  std::map<unsigned long, std::string> texts;  // WriterN keys that exist
};

struct RobotConfig {
  int discs = 5;
  std::map<int, std::vector<std::string>> traits;  // by disc number, from 1
  std::vector<UnitConfig> units;
  RootChoice root = RootChoice::Auto;
  bool write_manager_path = true;

  int check_delay_ms = 500;    // "Wait" shown this long before "Ready"
  int load_delay_ms = 300;     // arm moving a disc in
  int arrival_delay_ms = 200;  // from the load notice to the volume arrival
  int unload_delay_ms = 300;   // arm moving a disc out

  long occupied_loads = 0;  // the first N loads answer "Occupied"; -1: all
  std::string empty_result = "Error";
  std::string empty_detail = "No more discs";
  std::string unload_result = "OK";
  std::string reject_result = "OK";
  std::set<std::string> no_answer;           // actions that get no notice
  std::map<long, std::string> notice_after;  // after the Nth command: action
  long die_at_command = 0;                   // the Nth command dies before its notice; 0: none
  bool record_only = false;

  // Where the writer's drive shows its files; empty means the drive's root.
  std::string disc_folder;
};

RobotConfig ReadRobotConfig(const IniValues& ini);

// Traits of one disc of the stack; none for an ordinary disc.
std::vector<std::string> TraitsOf(const RobotConfig& config, int disc);

}  // namespace sc::tools
