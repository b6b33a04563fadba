// The registry entries by which the program finds the players. Written from
// the 32-bit player itself, so they land in the 32-bit view the program reads
// (HKLM\SOFTWARE\Wow6432Node\... in a 64-bit prefix).
#pragma once

#include "player_identity.h"
#include "tool_log.h"

namespace sc::tools {

// Windows Media Player: HKLM\SOFTWARE\Microsoft\MediaPlayer,
//   "Installation Directory" = the folder of wmplayer.exe.
// iTunes: HKLM\SOFTWARE\Clients\Media\iTunes\shell\open\command,
//   default value = the full path of itunes.exe, unquoted.
bool Register(const PlayerIdentity& identity, const ToolLog& log);
bool Unregister(const PlayerIdentity& identity, const ToolLog& log);

}  // namespace sc::tools
