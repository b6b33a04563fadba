#include "ui/main_window/button_window_place.h"

#include <gtest/gtest.h>

#include <climits>

namespace sc {
namespace {

// Two screens side by side, the second one to the left of the first and
// lower, as Windows numbers a desk's monitors.
constexpr Rect kFirst{0, 0, 1920, 1080};
constexpr Rect kSecond{-1280, 200, 1280, 1024};

TEST(ButtonWindowPlaceTest, StandsOnThePartOfTheMainWindowOnItsMonitor) {
  const struct {
    const char* what;
    Rect main, monitor;
    ScreenPoint expected;
  } cases[] = {
      {"wholly on the first screen", {100, 100, 400, 300}, kFirst, {300, 250}},
      {"wholly on the second screen", {-1000, 500, 400, 300}, kSecond, {-800, 650}},
      // Across the border, mostly on the second: its part there, never its
      // middle, which lies on the first.
      {"across the border", {-300, 300, 400, 300}, kSecond, {-150, 450}},
      {"one column on the screen", {1919, 10, 400, 300}, kFirst, {1919, 160}},
      // Off every screen (Windows chose the nearest): the nearest pixel.
      {"right of every screen", {2500, 100, 400, 300}, kFirst, {1919, 250}},
      {"above every screen", {-2000, -900, 400, 300}, kSecond, {-1280, 200}},
      // Before the main window has a size: where it will be centred.
      {"no main window yet", {0, 0, 0, 0}, kFirst, {960, 540}},
      {"no main window, second screen", {0, 0, 0, 0}, kSecond, {-640, 712}},
      // Sizes no screen has still give a pixel of the monitor.
      {"huge main window", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kFirst, {0, 0}},
      {"far away", {INT_MAX - 10, INT_MAX - 10, 10, 10}, kSecond, {-1, 1223}},
      {"monitor without size", {100, 100, 400, 300}, {50, 60, 0, 0}, {50, 60}},
  };
  for (const auto& c : cases) {
    const ScreenPoint at = ButtonWindowPlace(c.main, c.monitor);
    EXPECT_EQ(at.x, c.expected.x) << c.what;
    EXPECT_EQ(at.y, c.expected.y) << c.what;
  }
}

// Off every screen, just past the edge the monitor shares with the desktop.
TEST(ButtonWindowPlaceTest, StandsJustPastTheDesktopsEdgeBesideItsMonitor) {
  constexpr Rect kDesk{-1280, 0, 3200, 1224};  // kFirst and kSecond
  constexpr Rect kMiddle{0, 0, 1920, 1080};    // a third screen on each side
  const struct {
    const char* what;
    ScreenPoint at;
    Rect monitor, desktop;
    ScreenPoint expected;
  } cases[] = {
      {"one screen: below it", {300, 250}, kFirst, kFirst, {300, 1080}},
      {"the lower of two: below it", {-800, 650}, kSecond, kDesk, {-800, 1224}},
      {"the higher of two: above it", {300, 250}, kFirst, kDesk, {300, -1}},
      {"stacked: right of it", {300, 250}, kFirst, {-1920, -1080, 3840, 3240}, {1920, 250}},
      {"left column", {300, 250}, kFirst, {0, -1080, 3840, 3240}, {-1, 250}},
      {"no edge of the desktop: stays",
       {300, 250},
       kMiddle,
       {-1920, -1080, 5760, 3240},
       {300, 250}},
      {"edges no screen has",
       {0, 0},
       {INT_MIN, 0, 10, INT_MAX},
       {INT_MIN, -5, 20, 5},
       {INT_MIN, 0}},
  };
  for (const auto& c : cases) {
    const ScreenPoint at = BesideTheDesktop(c.at, c.monitor, c.desktop);
    EXPECT_EQ(at.x, c.expected.x) << c.what;
    EXPECT_EQ(at.y, c.expected.y) << c.what;
  }
}

}  // namespace
}  // namespace sc
