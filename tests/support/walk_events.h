// What a random walk over the main window is made of: the set-up of the
// simulated machine and the events that the robot manager, the system, the
// iTunes responder, the user and the passing of time produce. Events are plain
// values, so a walk can be replayed, shortened and printed.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/main_window_rig.h"

namespace sc::testing {

enum class PlayersInstalled { Wmp, ITunes, Both };
enum class ManagerPlace { BesideProgram, Registered, Missing };

struct WalkSetup {
  PlayersInstalled players = PlayersInstalled::Both;
  std::string savedPlayer;  // "" when nothing was saved
  ManagerPlace manager = ManagerPlace::BesideProgram;
  int units = 1;  // Unit1 holds writer E:, Unit2 writer F:
  bool reportReady = true;
};

// A minute each, so that walks outlast them; the window reads them from its key.
constexpr WaitLimits kWalkWaitLimits{1, 1};
// The notify command the walks set: never there, so that it starts nothing
// and each moment it was asked for stays on record.
constexpr const char* kWalkNotifyCommand = "C:\\Walk\\notify.exe";

constexpr const char* kWmpPath = "C:\\Program Files\\Windows Media Player\\wmplayer.exe";
constexpr const char* kITunesPath = "C:\\Program Files\\iTunes\\iTunes.exe";
constexpr const char* kRegisteredManager = "D:\\Robot\\ketmgr.exe";

// Where the manager is, as the outside world knows it; "" when it is missing.
std::string ManagerPathOf(const WalkSetup& setup);

enum class EventKind {
  Notice,         // a manager notice, then 10 ms
  TwoNotices,     // two notices within 10 ms, then 10 ms
  RobotRegistry,  // the robot software rewrites its report and units
  VolumeArrives,  // on `drive`
  VolumeLeaves,   // on `drive`
  DriveVanishes,  // `drive` is no longer a CD drive; its volume removal follows
  DriveReturns,   // `drive` is a CD drive again
  ClickRipping,
  ClickExit,
  ClickRadio,         // item `number`
  ClickOption,        // box `number`: 0 rip unidentified, 1 reject bin, 2 replace songs
  ResponderDeclines,  // the iTunes responder declines an unidentified disc
  TimePasses,         // `number` milliseconds
  ManagerVanishes,    // the robot software's manager is uninstalled: it cannot be started
  ManagerReturns,     // and installed again where it was
  // Made only by the fuzz targets, never by the generator below:
  RawNotice,      // `bytes` as a WM_COPYDATA payload of their length; no time passes
  RawVolume,      // WM_DEVICECHANGE with event `number` and the record `bytes` (none: `noRecord`)
  RegistryValue,  // the robot software's `key` gets value `valueName` of type `number`, `bytes`
};

struct WalkEvent {
  EventKind kind = EventKind::TimePasses;
  NoticeFields notice;  // Notice; the first of TwoNotices
  NoticeFields second;  // the second of TwoNotices
  char drive = 'E';
  // Radio item, option box, milliseconds, or for RobotRegistry the units
  // online (bit 0 Unit1, bit 1 Unit2).
  std::uint32_t number = 0;
  bool ready = true;  // RobotRegistry: "Ready", else "Wait"
  // RawNotice, RawVolume, RegistryValue. A RawVolume record holds at least its
  // 4-byte dbch_size and at least as many bytes as that says, as the system
  // delivers one.
  std::vector<std::uint8_t> bytes;
  bool noRecord = false;
  std::string key;  // RegistryValue: below the robot software's key, "" for the key itself
  std::string valueName;
  // Message boxes open when the event was delivered: events delivered while a
  // box is open run inside its modal loop.
  int depth = 0;
};

// How the manager's notice record reads to anyone who knows its layout: four
// fields of 64, 32, 32 and 260 bytes, each up to its first zero; a payload
// shorter than the record lacks the rest, a longer one is cut.
NoticeFields FieldsOfPayload(const std::vector<std::uint8_t>& payload);

std::string Describe(const WalkSetup& setup);
std::string Describe(const WalkEvent& event);

// Every choice is made from std::mt19937's raw output, which the standard
// fixes; the standard distributions differ between libraries.
class WalkRandom {
 public:
  explicit WalkRandom(std::uint32_t seed) : engine_(seed) {}
  std::uint32_t Below(std::uint32_t bound);
  bool Chance(std::uint32_t percent) { return Below(100) < percent; }
  // An index into `weights`, each chosen in proportion to its weight.
  std::size_t Weighted(const std::vector<std::uint32_t>& weights);

 private:
  std::mt19937 engine_;
};

// The generator: a set-up per walk, then one event at a time, biased as a
// real manager behaves: most notices answer the command outstanding.
class RandomEvents {
 public:
  static constexpr int kMaxEvents = 60;

  explicit RandomEvents(std::uint32_t seed);
  WalkSetup Setup() const { return setup_; }
  // The next event, or false when the walk is over. `outstanding` is the
  // action of the robot command the program awaits, "" when none; while a
  // message box is open (`boxesOpen` > 0) only events that can come then are
  // made, `eventsInThisBox` of them so far.
  bool Next(const std::string& outstanding, int boxesOpen, int eventsInThisBox, WalkEvent* event);

 private:
  WalkEvent AnyEvent(const std::string& outstanding, bool boxOpen);
  NoticeFields AnswerTo(const std::string& action);
  NoticeFields StrayNotice();
  char SomeDrive();

  WalkRandom random_;
  WalkSetup setup_;
  int made_ = 0;
  int muteFrom_;  // the robot stops answering from this event on
};

}  // namespace sc::testing
