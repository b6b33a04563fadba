// The questions the iTunes substitute asks about a disc, one dialog per trait
// in the order the traits are listed: "unidentified", "songs-exist", "list".
// Buttons are listed left to right.
#pragma once

#include <string>
#include <vector>

#include "disc_marker.h"
#include "player_config.h"

namespace sc::tools {

enum class ButtonEffect {
  Proceed,  // go on: the next dialog, or ripping
  Decline   // stop importing this disc
};

struct DialogButton {
  std::string label;
  ButtonEffect effect;
};

struct DialogPlan {
  std::string kind;  // the trait that asked for it
  std::string question;
  std::vector<DialogButton> buttons;
  std::vector<std::string> list_items;  // non-empty: the dialog has a list box
};

std::vector<DialogPlan> DialogsFor(const DiscMarker& disc);

// Indexes into the left-to-right buttons, in the order they are created.
std::vector<int> CreationOrder(int buttons, ButtonOrder order);

enum class AfterClick { NextOrRip, Eject, Stay };

AfterClick WhatFollows(ButtonEffect effect, AfterDecline after_decline);

}  // namespace sc::tools
