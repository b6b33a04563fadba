// Where the application's window stands, the window whose button the taskbar
// shows: on the monitor that holds the main window, where the main window is,
// so that a taskbar that shows each button on its window's monitor shows the
// program's on the main window's. The window is zero-sized: it stands at a
// point, and the point is a pixel of that monitor.
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

}  // namespace sc
