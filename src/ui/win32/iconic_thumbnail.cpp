#include "ui/win32/iconic_thumbnail.h"

#include <algorithm>
#include <cstdint>

#include "platform/win32/win32_function_lookup.h"

namespace sc {

namespace {

// Spelled out: XP's headers, which the program is built against, lack them.
constexpr DWORD kForceIconicRepresentation = 7;  // DWMWA_FORCE_ICONIC_REPRESENTATION
constexpr DWORD kHasIconicBitmap = 10;           // DWMWA_HAS_ICONIC_BITMAP
constexpr DWORD kDisallowPeek = 11;              // DWMWA_DISALLOW_PEEK

using SetAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetThumbnailFunction = HRESULT(WINAPI*)(HWND, HBITMAP, DWORD);
using InvalidateFunction = HRESULT(WINAPI*)(HWND);

// A dwmapi function, or null before Vista. The library stays loaded.
template <typename Function>
Function DwmFunction(const char* name) {
  static const HMODULE dwm = win32::SystemLibrary(L"dwmapi.dll");
  return win32::FunctionIn<Function>(dwm, name);
}

// `window` drawn by itself into `dc` at `at`: into a bitmap of its own
// first, as controls draw from their own origin whatever the DC says.
void PrintOne(HWND window, HDC dc, POINT at, UINT flags) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  if ((flags & PRF_NONCLIENT) == 0) GetClientRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return;
  HDC own = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  if (own != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(own, bitmap);
    // What the window does not draw (Wine leaves scroll bars out) shows
    // what lies beneath, as on the screen.
    BitBlt(own, 0, 0, width, height, dc, at.x, at.y, SRCCOPY);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(own), flags);
    BitBlt(dc, at.x, at.y, width, height, own, 0, 0, SRCCOPY);
    SelectObject(own, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (own != nullptr) DeleteDC(own);
}

// `window`'s shown children and theirs, each where it stands in `top`'s
// client area, the lowest in the stacking order first, as they overlap. The
// style, not IsWindowVisible: the main window itself is hidden while the
// program is minimized, and its picture is wanted most then.
void PrintChildren(HWND window, HWND top, HDC dc) {
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child != nullptr;
       child = GetWindow(child, GW_HWNDPREV)) {
    if ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT bounds = {};
    GetWindowRect(child, &bounds);
    POINT at = {bounds.left, bounds.top};
    ScreenToClient(top, &at);
    PrintOne(child, dc, at, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    PrintChildren(child, top, dc);
  }
}

// A 32-bit top-down DIB section and its pixels.
HBITMAP MakeSection(HDC dc, int width, int height, std::uint32_t** pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  *pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

// The largest size with `width`'s and `height`'s proportions that fits.
SIZE FitInside(int width, int height, int maxWidth, int maxHeight) {
  if (width <= 0 || height <= 0) return {0, 0};
  const long long byWidth = 1LL * maxWidth * height;
  const long long byHeight = 1LL * maxHeight * width;
  if (byWidth <= byHeight) return {maxWidth, std::max(1, static_cast<int>(byWidth / width))};
  return {std::max(1, static_cast<int>(byHeight / height)), maxHeight};
}

SIZE ClientSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

}  // namespace

HBITMAP MakeWindowPicture(HWND window, int width, int height) {
  const SIZE size = ClientSize(window);
  if (width <= 0 || height <= 0 || size.cx <= 0 || size.cy <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC whole = CreateCompatibleDC(screen);
  HDC scaled = CreateCompatibleDC(screen);
  std::uint32_t* wholePixels = nullptr;
  std::uint32_t* pixels = nullptr;
  HBITMAP wholeBitmap = MakeSection(screen, size.cx, size.cy, &wholePixels);
  HBITMAP picture = MakeSection(screen, width, height, &pixels);
  ReleaseDC(nullptr, screen);
  if (wholeBitmap != nullptr && picture != nullptr) {
    HGDIOBJ oldWhole = SelectObject(whole, wholeBitmap);
    HGDIOBJ oldScaled = SelectObject(scaled, picture);
    PrintOne(window, whole, {0, 0}, PRF_CLIENT | PRF_ERASEBKGND);
    PrintChildren(window, window, whole);
    SetStretchBltMode(scaled, HALFTONE);
    SetBrushOrgEx(scaled, 0, 0, nullptr);
    StretchBlt(scaled, 0, 0, width, height, whole, 0, 0, size.cx, size.cy, SRCCOPY);
    GdiFlush();
    // GDI leaves the alpha byte at 0, which DWM would take for transparent.
    for (long i = 0, n = static_cast<long>(width) * height; i < n; ++i) pixels[i] |= 0xFF000000u;
    SelectObject(whole, oldWhole);
    SelectObject(scaled, oldScaled);
  } else if (picture != nullptr) {
    DeleteObject(picture);
    picture = nullptr;
  }
  if (wholeBitmap != nullptr) DeleteObject(wholeBitmap);
  DeleteDC(whole);
  DeleteDC(scaled);
  return picture;
}

bool IconicThumbnail::ask(HWND button) {
  const auto setAttribute = DwmFunction<SetAttributeFunction>("DwmSetWindowAttribute");
  if (setAttribute == nullptr) {
    asked_ = false;
    return false;
  }
  const BOOL on = TRUE;
  asked_ = SUCCEEDED(setAttribute(button, kForceIconicRepresentation, &on, sizeof on)) &&
           SUCCEEDED(setAttribute(button, kHasIconicBitmap, &on, sizeof on));
  // A peek's picture must lie within the client area of the button's window,
  // which has none. Asked on its own: a refusal costs the peek, never the
  // thumbnail.
  setAttribute(button, kDisallowPeek, &on, sizeof on);
  return asked_;
}

bool IconicThumbnail::sendThumbnail(HWND button, HWND main, int maxWidth, int maxHeight) const {
  const auto setThumbnail = DwmFunction<SetThumbnailFunction>("DwmSetIconicThumbnail");
  const SIZE client = ClientSize(main);
  const SIZE size = FitInside(client.cx, client.cy, maxWidth, maxHeight);
  if (setThumbnail == nullptr) return false;
  HBITMAP picture = MakeWindowPicture(main, size.cx, size.cy);
  if (picture == nullptr) return false;
  // DWM keeps a copy.
  const bool taken = SUCCEEDED(setThumbnail(button, picture, 0));
  DeleteObject(picture);
  return taken;
}

void IconicThumbnail::invalidate(HWND button) const {
  if (!asked_) return;
  if (const auto invalidate = DwmFunction<InvalidateFunction>("DwmInvalidateIconicBitmaps"))
    invalidate(button);
}

}  // namespace sc
