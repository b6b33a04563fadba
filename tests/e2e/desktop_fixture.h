// End-to-end tests that need a real desktop: the program is started on Wine's
// own desktop, and the test's thread joins it to find the window there and
// to type into it.
#pragma once

#include <vector>

#include "fixture.h"
#include "wine_desktop.h"

namespace e2e {

class DesktopE2e : public SpoolcatE2e {
 protected:
  void SetUp() override;

  // Starts the program on the desktop and makes its window the foreground
  // window, as a click on it would.
  void StartInFront();
  // Presses Tab (with Shift: backwards) and returns the control that has the
  // focus once it has moved (or after 3 s, when it stays).
  int Tab(bool backwards = false);
  // `count` presses of Tab and the control focused after each.
  std::vector<int> TabWalk(int count);
};

}  // namespace e2e
