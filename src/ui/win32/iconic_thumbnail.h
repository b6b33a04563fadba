// The program's thumbnail and peek on the taskbar. The button stands for the
// application's window, which is zero-sized and never drawn, so that left to
// DWM its thumbnail would be blank: that window asks DWM for "iconic"
// pictures and answers with pictures of the main window. dwmapi is looked up
// at run time: on XP it is missing and with DWM off its calls fail, and
// nothing changes then.
#pragma once

#include <windows.h>

namespace sc {

class IconicThumbnail {
 public:
  // Asks DWM to take the pictures of `button` from the program; again each
  // time DWM is switched on. False where there is no DWM to ask.
  bool ask(HWND button);
  // WM_DWMSENDICONICTHUMBNAIL: `main` scaled to fit `maxWidth` x `maxHeight`.
  void sendThumbnail(HWND button, HWND main, int maxWidth, int maxHeight) const;
  // WM_DWMSENDICONICLIVEPREVIEWBITMAP: `main` at its size, where it stands.
  void sendLivePreview(HWND button, HWND main) const;
  // The main window's picture changed: DWM asks for it anew when it shows it.
  void invalidate(HWND button) const;

 private:
  bool asked_ = false;
};

// A picture of `window`'s client area with its shown children, scaled to
// `width` x `height`, as a 32-bit top-down DIB section whose pixels are all
// opaque (DWM draws the alpha channel); null when it cannot be made. Drawn
// with WM_PRINT, so a hidden window (the program minimized) is drawn too.
HBITMAP MakeWindowPicture(HWND window, int width, int height);

}  // namespace sc
