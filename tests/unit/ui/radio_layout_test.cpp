#include "ui/main_window/radio_layout.h"

#include <gtest/gtest.h>

namespace sc {
namespace {

TEST(RadioLayoutTest, RowsShareTheHeightBelowTheCaptionLine) {
  const struct {
    int width, height, textHeight, count, index;
    Rect expected;
  } cases[] = {
      // 284 x 93 group with two players: rows of (93 - 16 - 5) / 2 = 36.
      {284, 93, 15, 2, 0, {8, 16, 268, 36}},
      {284, 93, 15, 2, 1, {8, 52, 268, 36}},
      {284, 93, 15, 1, 0, {8, 16, 268, 72}},
      // Too small a group gives empty rows, never negative sizes.
      {10, 10, 15, 2, 1, {8, 16, 0, 0}},
      {100, 50, 15, 0, 0, {8, 16, 84, 0}},
  };
  for (const auto& c : cases) {
    const Rect r = radioItemBounds(c.width, c.height, c.textHeight, c.count, c.index);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top) << c.count << "/" << c.index;
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height) << c.count << "/" << c.index;
  }
}

}  // namespace
}  // namespace sc
