// Where the application's window stands, the window whose button the taskbar
// shows: on the monitor that holds the main window, where the main window is,
// so that a taskbar that shows each button on its window's monitor shows the
// program's on the main window's. The window is zero-sized: it stands at a
// point, on that monitor or just past its edge.
#pragma once

#include "ui/widgets/control.h"

namespace sc {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// The middle of the part of `main` that lies on `monitor`. When none of it
// does (the window stands off every screen), the pixel of `monitor` nearest
// to its middle; when it has no size yet, the middle of `monitor`.
ScreenPoint ButtonWindowPlace(const Rect& main, const Rect& monitor);

// `at`, a pixel of `monitor`, moved just past the edge of `monitor` that is
// an edge of `desktop` (the bounds of every monitor), the bottom one first:
// there no monitor holds the zero-sized window, and `monitor` is still the
// nearest. `at` itself when `monitor` has no such edge.
ScreenPoint BesideTheDesktop(ScreenPoint at, const Rect& monitor, const Rect& desktop);

}  // namespace sc
