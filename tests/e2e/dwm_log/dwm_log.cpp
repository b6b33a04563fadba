// A dwmapi.dll that writes down every call the program makes to it. The
// end-to-end tests put it in the prefix's 32-bit system folder in place of
// Wine's own, whose calls do nothing a test can see, and start the program
// with WINEDLLOVERRIDES=dwmapi=n so that it is the one loaded from there.
// Every call succeeds, and composition is on, as on Windows 8 and later.
//
// Each call is one line of the file named by E2E_DWM_LOG (else beside this
// DLL), words separated by blanks, windows as decimal numbers:
//   Loaded <program>
//   DwmSetWindowAttribute window=<w> attribute=<a> value=<DWORD> size=<bytes>
//   DwmSetIconicThumbnail window=<w> width=<x> height=<y> bits=<bpp>
//     section=<1: a DIB section> opaque=<pixels with alpha 255>
//     blank=<1: all one colour> flags=<f>
//   DwmSetIconicLivePreviewBitmap window=<w> width=<x> height=<y> x=<dx> y=<dy>
//     flags=<f>
//   DwmInvalidateIconicBitmaps window=<w>
//   DwmIsCompositionEnabled
//   Other <function>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "call_log.h"

namespace {

using call_log::Log;

unsigned long Number(HWND window) {
  return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window));
}

// What DWM would make of a bitmap: its size and depth, whether it is a DIB
// section (which DWM requires), and its 32-bit pixels as GetDIBits reads them.
struct Picture {
  BITMAP bitmap = {};
  bool section = false;
  long opaque = 0;
  bool blank = true;
};

Picture Look(HBITMAP handle) {
  Picture picture;
  DIBSECTION dib = {};
  const int size = GetObjectA(handle, sizeof dib, &dib);
  picture.section = size == static_cast<int>(sizeof dib);
  if (size < static_cast<int>(sizeof(BITMAP))) return picture;
  picture.bitmap = dib.dsBm;
  const int width = picture.bitmap.bmWidth;
  const int height = picture.bitmap.bmHeight;
  if (width <= 0 || height <= 0) return picture;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, handle, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return picture;
  for (DWORD pixel : pixels) {
    if ((pixel >> 24) == 0xFF) ++picture.opaque;
    if ((pixel & 0xFFFFFF) != (pixels.front() & 0xFFFFFF)) picture.blank = false;
  }
  return picture;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    const DWORD length = GetEnvironmentVariableA("E2E_DWM_LOG", call_log::gPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
      GetModuleFileNameA(instance, call_log::gPath, MAX_PATH);
      lstrcatA(call_log::gPath, ".log");
    }
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    Log("Loaded %s", program);
  }
  return TRUE;
}

extern "C" HRESULT WINAPI DwmSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value,
                                                DWORD size) {
  DWORD number = 0;
  if (value != nullptr && size >= sizeof number) CopyMemory(&number, value, sizeof number);
  Log("DwmSetWindowAttribute window=%lu attribute=%lu value=%lu size=%lu", Number(window),
      attribute, number, size);
  return S_OK;
}

extern "C" HRESULT WINAPI DwmSetIconicThumbnail(HWND window, HBITMAP bitmap, DWORD flags) {
  const Picture picture = Look(bitmap);
  Log("DwmSetIconicThumbnail window=%lu width=%ld height=%ld bits=%d section=%d opaque=%ld "
      "blank=%d flags=%lu",
      Number(window), picture.bitmap.bmWidth, picture.bitmap.bmHeight,
      static_cast<int>(picture.bitmap.bmBitsPixel), picture.section ? 1 : 0, picture.opaque,
      picture.blank ? 1 : 0, flags);
  return S_OK;
}

extern "C" HRESULT WINAPI DwmSetIconicLivePreviewBitmap(HWND window, HBITMAP bitmap, POINT* offset,
                                                        DWORD flags) {
  const Picture picture = Look(bitmap);
  const POINT at = offset != nullptr ? *offset : POINT{0, 0};
  Log("DwmSetIconicLivePreviewBitmap window=%lu width=%ld height=%ld x=%ld y=%ld flags=%lu",
      Number(window), picture.bitmap.bmWidth, picture.bitmap.bmHeight, at.x, at.y, flags);
  return S_OK;
}

extern "C" HRESULT WINAPI DwmInvalidateIconicBitmaps(HWND window) {
  Log("DwmInvalidateIconicBitmaps window=%lu", Number(window));
  return S_OK;
}

extern "C" HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled) {
  Log("DwmIsCompositionEnabled");
  if (enabled != nullptr) *enabled = TRUE;
  return S_OK;
}

// The rest of what programs commonly ask of DWM, should the program start
// to: logged by name only, refused as Wine's own refuses most of them.
#define OTHER(function, ...)                        \
  extern "C" HRESULT WINAPI function(__VA_ARGS__) { \
    Log("Other " #function);                        \
    return E_NOTIMPL;                               \
  }

OTHER(DwmGetWindowAttribute, HWND, DWORD, PVOID, DWORD)
OTHER(DwmExtendFrameIntoClientArea, HWND, const void*)
OTHER(DwmEnableBlurBehindWindow, HWND, const void*)
OTHER(DwmGetColorizationColor, DWORD*, BOOL*)
OTHER(DwmEnableComposition, UINT)
OTHER(DwmFlush)

extern "C" BOOL WINAPI DwmDefWindowProc(HWND, UINT, WPARAM, LPARAM, LRESULT*) {
  Log("Other DwmDefWindowProc");
  return FALSE;
}
