// Where a one-column radio group places its buttons, in the group box's own
// coordinates. The first line is kept for a caption even when there is none,
// so the buttons stand where a captioned group would put them.
#pragma once

#include "ui/widgets/control.h"

namespace sc {

constexpr int kRadioLeft = 8;
constexpr int kRadioBottomMargin = 5;

// Item `index` of `count` in a group of the given size whose font's line is
// `textHeight` high. Rows share the height below the caption line equally.
Rect radioItemBounds(int groupWidth, int groupHeight, int textHeight, int count, int index);

}  // namespace sc
