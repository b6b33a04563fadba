// Entry of a substitute player: "--register" and "--unregister" write or
// remove its registration and exit; anything else runs the player.
#pragma once

#include <windows.h>

#include "player_identity.h"

namespace sc::tools {

int RunPlayer(const PlayerIdentity& identity, HINSTANCE instance, const char* command_line,
              int show);

}  // namespace sc::tools
