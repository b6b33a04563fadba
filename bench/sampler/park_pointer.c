/* Puts the X pointer in the screen's top-left corner, away from every window
 * the benchmark measures. Xvfb starts it at the centre, where the program's
 * window opens, and Wine watches for the pointer leaving a themed button with
 * a 10 ms timer for as long as it rests on one: a cost Windows does not have
 * and the bare baselines, with no buttons, never pay. Wine's SetCursorPos
 * from a program with no window of its own does not move the X pointer.
 *
 * It stays connected until it is ended: Xvfb resets, and puts the pointer
 * back at the centre, whenever its last client leaves, as it can between
 * two Wine programs.
 *
 *   park_pointer      uses $DISPLAY; runs until a signal ends it */
#include <X11/Xlib.h>
#include <stdio.h>
#include <unistd.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "park_pointer: no display\n");
    return 1;
  }
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, 0, 0);
  XSync(display, False);
  for (;;) pause();
}
