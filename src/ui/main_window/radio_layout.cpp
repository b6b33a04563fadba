#include "ui/main_window/radio_layout.h"

#include <algorithm>

namespace sc {

Rect radioItemBounds(int groupWidth, int groupHeight, int textHeight, int count, int index) {
  const int top = textHeight + 1;
  const int rowHeight = count > 0 ? std::max(0, groupHeight - top - kRadioBottomMargin) / count : 0;
  Rect r;
  r.left = kRadioLeft;
  r.top = top + index * rowHeight;
  r.width = std::max(0, groupWidth - 2 * kRadioLeft);
  r.height = rowHeight;
  return r;
}

}  // namespace sc
