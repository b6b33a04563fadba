#include "player_app.h"

#include <string>

#include "files.h"
#include "player_config.h"
#include "player_window.h"
#include "registration.h"
#include "tool_log.h"

namespace sc::tools {

int RunPlayer(const PlayerIdentity& identity, HINSTANCE instance, const char* command_line,
              int show) {
  ToolLog log(BesideExe(ExeBaseName() + ".log"));
  std::string args = command_line != nullptr ? command_line : "";
  if (args.rfind("--register", 0) == 0) return Register(identity, log) ? 0 : 1;
  if (args.rfind("--unregister", 0) == 0) return Unregister(identity, log) ? 0 : 1;

  PlayerConfig config =
      ReadPlayerConfig(IniValues::Parse(ReadTextFile(BesideExe(ExeBaseName() + ".ini"))));
  PlayerWindow player(identity, config, log);
  if (!player.Create(instance, show)) {
    log.Write("ERROR reason=\"main window not created\"");
    return 1;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  log.Write("EXIT");
  return 0;
}

}  // namespace sc::tools
