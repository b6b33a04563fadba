#include "settings/settings_store.h"

#include <vector>

#include "platform/registry_open.h"
#include "platform/registry_read.h"

namespace sc {

namespace {

constexpr std::int32_t kMinutesInADay = 24 * 60;

// A limit the user set: a missing, zero or absurd value (over a day, or
// negative as a signed number) keeps the default.
void ReadWaitLimit(Registry& registry, RegKey key, const char* name, std::uint32_t& minutes) {
  std::int32_t stored = 0;
  if (ReadDwordValue(registry, key, name, stored) && stored > 0 && stored <= kMinutesInADay)
    minutes = static_cast<std::uint32_t>(stored);
}

// The command as the user wrote it, up to its first zero: the registry's
// own size first, then the bytes, so that a value of any length is read whole
// and judged; one that changed in between is ignored like a missing one.
NotifyCommandSetting ReadNotifyCommand(Registry& registry, RegKey key) {
  NotifyCommandSetting setting;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (registry.queryValue(key, kNotifyCommandValue, &type, nullptr, &size) != kErrorSuccess)
    return setting;
  if (type != kRegSz && type != kRegExpandSz) {
    setting.fault = NotifyCommandFault::NotText;
    return setting;
  }
  // Another program wrote it: a size past the registry's usual limit for a
  // value (1 MiB) is judged too long unread, never allocated, and the zero
  // added below can never wrap the count.
  constexpr std::uint32_t kMostRead = 1024 * 1024;
  if (size > kMostRead) {
    setting.fault = NotifyCommandFault::TooLong;
    return setting;
  }
  std::vector<char> data(size + 1, 0);
  std::uint32_t offered = size;
  if (registry.queryValue(key, kNotifyCommandValue, &type,
                          reinterpret_cast<std::uint8_t*>(data.data()), &offered) != kErrorSuccess)
    return setting;
  const std::string text = TextOf(data.data(), data.size());
  if (text.size() > kNotifyCommandMaxLength) {
    setting.fault = NotifyCommandFault::TooLong;
    return setting;
  }
  setting.command = text;
  setting.expand = type == kRegExpandSz;
  return setting;
}

}  // namespace

StoredSettings LoadSettingsFrom(Registry& registry, RegRoot root, const std::string& modulePath) {
  StoredSettings settings;
  RegKey key = 0;
  std::uint32_t disposition = 0;
  if (!CreateOrOpenToRead(registry, root, kOwnKeyPath, &key, &disposition)) return settings;

  if (disposition == kRegOpenedExistingKey) {
    settings.savedPlayerName.fill(0);
    ReadTextValue(registry, key, kRippingApplicationValue, settings.savedPlayerName);
  } else {
    // The path may be longer than the name buffer holds (up to 259
    // characters): it is written whole from its own buffer.
    FixedText<260> path{};
    AssignCut(path, modulePath);
    WriteTextValue(registry, key, nullptr, TextOf(path));
    AssignCut(settings.savedPlayerName, TextOf(path));
  }

  ReadDwordValue(registry, key, kImportUnknownValue, settings.importUnknownCd);
  ReadDwordValue(registry, key, kUnloadToAlternateValue, settings.unloadUnknownToAlternate);
  ReadDwordValue(registry, key, kReplaceSongsValue, settings.replaceExistingSongs);
  ReadWaitLimit(registry, key, kRobotAnswerMinutesValue, settings.waitLimits.robotAnswerMinutes);
  ReadWaitLimit(registry, key, kDiscMinutesValue, settings.waitLimits.discMinutes);
  settings.notifyCommand = ReadNotifyCommand(registry, key);
  registry.closeKey(key);
  return settings;
}

void SaveSettingsTo(Registry& registry, RegRoot root, const std::optional<std::string>& playerName,
                    std::int32_t importUnknownCd, std::int32_t unloadUnknownToAlternate,
                    std::int32_t replaceExistingSongs) {
  RegKey key = 0;
  if (registry.openKey(root, kOwnKeyPath, kKeyAllAccess, &key) != kErrorSuccess) return;
  if (playerName) {
    FixedText<256> name{};
    AssignCut(name, *playerName);
    WriteTextValue(registry, key, kRippingApplicationValue, TextOf(name));
  }
  WriteDwordValue(registry, key, kImportUnknownValue, importUnknownCd);
  WriteDwordValue(registry, key, kUnloadToAlternateValue, unloadUnknownToAlternate);
  WriteDwordValue(registry, key, kReplaceSongsValue, replaceExistingSongs);
  registry.closeKey(key);
}

}  // namespace sc
