#include <windows.h>

#include "player_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  return sc::tools::RunPlayer(sc::tools::kITunes, instance, command_line, show);
}
