// How a substitute player behaves, from <exe name>.ini beside it (wmplayer.ini,
// itunes.ini). Every key is optional.
#pragma once

#include <string>

#include "ini_values.h"

namespace sc::tools {

enum class AfterDecline {
  Stay,  // the disc stays in the drive, as a real player leaves it
  Eject  // the disc is ejected at once
};

enum class ButtonOrder {
  LeftToRight,  // buttons created left to right
  Scrambled     // created out of order: the rightmost first, the middle last
};

// What the player does with WM_CLOSE.
enum class OnClose {
  Close,  // closes at once
  Hang,   // never returns from it: its thread reads no message again
  Ask     // asks "quit?" in a modal box of its own and closes only on "Yes"
};

struct PlayerConfig {
  int rip_ms = 1500;
  AfterDecline after_decline = AfterDecline::Stay;
  ButtonOrder button_order = ButtonOrder::LeftToRight;
  bool hidden_button = false;  // every dialog gets one more, invisible, button
  bool scan_at_start = true;   // a disc already in a CD drive is ripped at start
  std::string disc_folder;     // where the disc marker is; empty: the drive's root
  OnClose on_close = OnClose::Close;
};

PlayerConfig ReadPlayerConfig(const IniValues& ini);

}  // namespace sc::tools
