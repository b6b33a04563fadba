// The program's thumbnail on the taskbar. The button stands for the
// application's window, which is zero-sized and never drawn, so that left to
// DWM its thumbnail would be blank: that window asks DWM for an "iconic"
// thumbnail and answers with a picture of the main window. It has no peek:
// DWM places a peek's picture within the client area of the button's window,
// and this one has none, so the peek is turned off. dwmapi is looked up at
// run time: on XP it is missing and with DWM off its calls fail, and nothing
// changes then.
#pragma once

#include <windows.h>

namespace sc {

class IconicThumbnail {
 public:
  // Asks DWM to take the thumbnail of `button` from the program and to show
  // no peek for it; again each time DWM is switched on. False where DWM took
  // no thumbnail from the program; a refused peek costs only the peek.
  bool ask(HWND button);
  // WM_DWMSENDICONICTHUMBNAIL: `main` scaled to fit `maxWidth` x `maxHeight`.
  // False when DWM did not take it.
  bool sendThumbnail(HWND button, HWND main, int maxWidth, int maxHeight) const;
  // The main window's picture changed: DWM asks for it anew when it shows it.
  void invalidate(HWND button) const;

 private:
  // DWM took the thumbnail's attributes: it asks for pictures, and may be
  // told they changed.
  bool asked_ = false;
};

// A picture of `window`'s client area with its shown children, scaled to
// `width` x `height`, as a 32-bit top-down DIB section whose pixels are all
// opaque (DWM draws the alpha channel); null when it cannot be made. Drawn
// with WM_PRINT, so a hidden window (the program minimized) is drawn too.
HBITMAP MakeWindowPicture(HWND window, int width, int height);

}  // namespace sc
