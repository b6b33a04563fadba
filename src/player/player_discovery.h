// Which players are installed: Windows Media Player by its installation
// directory, iTunes by its registered open command, both machine-wide.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace sc {

constexpr const char* kWmpName = "Windows Media Player";
constexpr const char* kITunesName = "iTunes";

enum class Player { WindowsMediaPlayer, ITunes };

struct InstalledPlayers {
  // wmplayer.exe in the installation directory, as the directory was stored.
  std::optional<std::string> wmpPath;
  // The open command exactly as registered.
  std::optional<std::string> iTunesCommand;
};

// A directory too long to take "\wmplayer.exe" within 259 characters leaves
// Windows Media Player out: a cut path would start some other file.
InstalledPlayers FindInstalledPlayers(Registry& registry);

}  // namespace sc
