#include "player/player_discovery.h"

#include "platform/registry_read.h"
#include "util/fixed_text.h"

namespace sc {

namespace {

std::optional<std::string> ReadMachineText(Registry& registry, const char* path, const char* name) {
  RegKey key = 0;
  if (registry.openKey(RegRoot::LocalMachine, path, kKeyRead, &key) != kErrorSuccess)
    return std::nullopt;
  FixedText<260> text{};
  const bool read = ReadTextValue(registry, key, name, text);
  registry.closeKey(key);
  if (!read) return std::nullopt;
  return TextOf(text);
}

}  // namespace

InstalledPlayers FindInstalledPlayers(Registry& registry) {
  InstalledPlayers found;
  if (auto directory =
          ReadMachineText(registry, "SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory")) {
    FixedText<260> path{};
    AssignCut(path, *directory);
    if (AppendWhole(path, "\\wmplayer.exe")) found.wmpPath = TextOf(path);
  }
  found.iTunesCommand =
      ReadMachineText(registry, "SOFTWARE\\Clients\\Media\\iTunes\\shell\\open\\command", "");
  return found;
}

}  // namespace sc
