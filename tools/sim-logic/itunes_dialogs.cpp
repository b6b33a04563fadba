#include "itunes_dialogs.h"

namespace sc::tools {

std::vector<DialogPlan> DialogsFor(const DiscMarker& disc) {
  std::vector<DialogPlan> dialogs;
  for (const auto& trait : disc.traits) {
    if (trait == "unidentified") {
      dialogs.push_back(
          {trait,
           "The CD could not be identified. Import it anyway?",
           {{"Import", ButtonEffect::Proceed}, {"Don't Import", ButtonEffect::Decline}},
           {}});
    } else if (trait == "songs-exist") {
      dialogs.push_back({trait,
                         "Some songs of this CD are already in the library. Replace them?",
                         {{"Replace", ButtonEffect::Proceed},
                          {"Don't Replace", ButtonEffect::Proceed},
                          {"Cancel", ButtonEffect::Decline}},
                         {}});
    } else if (trait == "list") {
      dialogs.push_back({trait,
                         "Several albums match this CD. Choose one:",
                         {{"OK", ButtonEffect::Proceed}, {"Cancel", ButtonEffect::Decline}},
                         {"Album One (1999)", "Album One (Remastered 2009)", "Album Two (2001)"}});
    }
  }
  return dialogs;
}

std::vector<int> CreationOrder(int buttons, ButtonOrder order) {
  std::vector<int> indexes;
  if (order == ButtonOrder::Scrambled && buttons >= 2) {
    // The rightmost first and the leftmost second, so a three-button dialog
    // enumerates its middle button last.
    indexes.push_back(buttons - 1);
    indexes.push_back(0);
    for (int i = 1; i < buttons - 1; ++i) indexes.push_back(i);
    return indexes;
  }
  for (int i = 0; i < buttons; ++i) indexes.push_back(i);
  return indexes;
}

AfterClick WhatFollows(ButtonEffect effect, AfterDecline after_decline) {
  if (effect == ButtonEffect::Proceed) return AfterClick::NextOrRip;
  return after_decline == AfterDecline::Eject ? AfterClick::Eject : AfterClick::Stay;
}

}  // namespace sc::tools
