#include "ui/main_window/button_window_place.h"

#include <algorithm>
#include <climits>

namespace sc {
namespace {

// One axis of a rectangle, the end excluded; wide enough that no sum wraps.
struct Span {
  long long begin;
  long long end;
  long long middle() const { return begin + (end - begin) / 2; }
};

// `at` moved into `span`, which holds at least one pixel.
long long Inside(long long at, const Span& span) {
  return std::clamp(at, span.begin, span.end - 1);
}

// A screen coordinate; sizes no screen has end at the range's ends.
int Coordinate(long long at) {
  return static_cast<int>(std::clamp<long long>(at, INT_MIN, INT_MAX));
}

}  // namespace

ScreenPoint ButtonWindowPlace(const Rect& main, const Rect& monitor) {
  const Span monitorX{monitor.left, 1LL * monitor.left + std::max(monitor.width, 1)};
  const Span monitorY{monitor.top, 1LL * monitor.top + std::max(monitor.height, 1)};
  if (main.width <= 0 || main.height <= 0)
    return {static_cast<int>(monitorX.middle()), static_cast<int>(monitorY.middle())};
  const Span mainX{main.left, 1LL * main.left + main.width};
  const Span mainY{main.top, 1LL * main.top + main.height};
  const Span sharedX{std::max(mainX.begin, monitorX.begin), std::min(mainX.end, monitorX.end)};
  const Span sharedY{std::max(mainY.begin, monitorY.begin), std::min(mainY.end, monitorY.end)};
  if (sharedX.begin < sharedX.end && sharedY.begin < sharedY.end)
    return {static_cast<int>(sharedX.middle()), static_cast<int>(sharedY.middle())};
  return {static_cast<int>(Inside(mainX.middle(), monitorX)),
          static_cast<int>(Inside(mainY.middle(), monitorY))};
}

ScreenPoint BesideTheDesktop(ScreenPoint at, const Rect& monitor, const Rect& desktop) {
  const long long bottom = 1LL * monitor.top + monitor.height;
  const long long right = 1LL * monitor.left + monitor.width;
  if (bottom == 1LL * desktop.top + desktop.height) return {at.x, Coordinate(bottom)};
  if (monitor.top == desktop.top) return {at.x, Coordinate(monitor.top - 1LL)};
  if (right == 1LL * desktop.left + desktop.width) return {Coordinate(right), at.y};
  if (monitor.left == desktop.left) return {Coordinate(monitor.left - 1LL), at.y};
  return at;
}

}  // namespace sc
