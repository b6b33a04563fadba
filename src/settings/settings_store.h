// The program's own key: the chosen player and the three options.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "util/fixed_text.h"

namespace sc {

constexpr const char* kOwnKeyPath = "SOFTWARE\\Venmora\\Spoolcat";
constexpr const char* kRippingApplicationValue = "Ripping Application";
constexpr const char* kImportUnknownValue = "Import unknown CD anyway";
constexpr const char* kUnloadToAlternateValue = "Unload unknown CD to alternate output";
constexpr const char* kReplaceSongsValue = "Replace existing songs";
// Optional, set by a user with a slow robot or slow drives; never written.
constexpr const char* kRobotAnswerMinutesValue = "Robot answer minutes";
constexpr const char* kDiscMinutesValue = "Disc minutes";
// Optional: the command the program runs when a job is done, needs a person,
// is stuck or goes on again. Never written.
constexpr const char* kNotifyCommandValue = "Notify command";
constexpr std::size_t kNotifyCommandMaxLength = 2047;

// How long a job may wait, in minutes, before the taskbar button says that it
// has waited too long: for the robot (its answers, the disc to reach the
// writer), and for the player to rip and eject a disc.
struct WaitLimits {
  std::uint32_t robotAnswerMinutes = 5;
  std::uint32_t discMinutes = 45;
};

// The notify command as stored: "" runs nothing. A value the program cannot
// take is ignored, and the user is told why.
enum class NotifyCommandFault { None, NotText, TooLong };
struct NotifyCommandSetting {
  std::string command;
  bool expand = false;  // REG_EXPAND_SZ: its "%NAME%" references are to be expanded
  NotifyCommandFault fault = NotifyCommandFault::None;
};

struct StoredSettings {
  FixedText<256> savedPlayerName{};
  std::int32_t importUnknownCd = 1;
  std::int32_t unloadUnknownToAlternate = 1;
  std::int32_t replaceExistingSongs = 1;
  WaitLimits waitLimits{};
  NotifyCommandSetting notifyCommand{};
};

// Creates or opens the key and reads it. On the first run (the key was just
// created) its default value receives the executable's path, which then also
// stands in the player name and so matches no player. A key that may only be
// read (a standard account on XP) is read all the same and written nothing.
StoredSettings LoadSettingsFrom(Registry& registry, RegRoot root, const std::string& modulePath);

// Writes the player name (when one is selected) and the three options to an
// existing key; a key that cannot be opened gets nothing and is not created.
void SaveSettingsTo(Registry& registry, RegRoot root, const std::optional<std::string>& playerName,
                    std::int32_t importUnknownCd, std::int32_t unloadUnknownToAlternate,
                    std::int32_t replaceExistingSongs);

}  // namespace sc
