#include "ui/win32/image_window.h"

#include <windows.h>

namespace sc {

ImageWindow::ImageWindow(Image& image, const ChildSetup& setup)
    : ChildWindow(image), image_(image) {
  // SS_NOTIFY: the image takes the pointer itself, as a control does.
  create("STATIC", SS_OWNERDRAW | SS_NOTIFY, 0, setup);
}

void ImageWindow::draw(const void* item) {
  const auto* di = static_cast<const DRAWITEMSTRUCT*>(item);
  HDC dc = di->hDC;
  FillRect(dc, &di->rcItem, GetSysColorBrush(COLOR_BTNFACE));
  const int w = image_.pictureWidth();
  const int h = image_.pictureHeight();
  if (w <= 0 || h <= 0) return;
  RECT box = {0, 0, w, h};
  FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  // The frame on the outermost pixels, drawn as the surface's default pen
  // would: (0,0) to (w-1,0) to (w-1,h-1) to (0,h-1) and back.
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, w - 1, 0);
  LineTo(dc, w - 1, h - 1);
  LineTo(dc, 0, h - 1);
  LineTo(dc, 0, 0);
  SelectObject(dc, oldPen);
}

void ImageWindow::syncOwn(Change what) {
  if (what == Change::Picture || what == Change::Bounds) {
    InvalidateRect(reinterpret_cast<HWND>(handle()), nullptr, TRUE);
  }
}

}  // namespace sc
