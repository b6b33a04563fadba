#include "player_config.h"

namespace sc::tools {

PlayerConfig ReadPlayerConfig(const IniValues& ini) {
  PlayerConfig config;
  long rip = ini.Number("rip_ms", config.rip_ms);
  config.rip_ms = rip < 0 ? 0 : static_cast<int>(rip);
  config.after_decline =
      ini.Text("after_decline", "stay") == "eject" ? AfterDecline::Eject : AfterDecline::Stay;
  config.button_order = ini.Text("button_order", "left-to-right") == "scrambled"
                            ? ButtonOrder::Scrambled
                            : ButtonOrder::LeftToRight;
  config.hidden_button = ini.Flag("hidden_button", false);
  config.scan_at_start = ini.Flag("scan_at_start", true);
  config.disc_folder = ini.Text("disc_folder", "");
  const std::string on_close = ini.Text("on_close", "close");
  config.on_close = on_close == "hang"  ? OnClose::Hang
                    : on_close == "ask" ? OnClose::Ask
                                        : OnClose::Close;
  return config;
}

}  // namespace sc::tools
