// What the program's resources do to its windows: the icon that the caption,
// Alt+Tab and the taskbar button ask the window (WM_GETICON) or its class
// for, and the control library that the manifest picks. This test program
// carries the same icon and manifest as spoolcat.exe.
#include <windows.h>

#include "test_form.h"
#include "win32/win32_fixtures.h"

namespace sc::test {
namespace {

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

using ProgramIconTest = UiTest;

TEST_F(ProgramIconTest, TheMainAndTheApplicationWindowShowItAtBothSizes) {
  ui.setApplicationTitle("Spoolcat");
  attach();
  form.show();
  const HICON stock = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  const int big = GetSystemMetrics(SM_CXICON);
  const int small = GetSystemMetrics(SM_CXSMICON);
  for (WindowHandle handle : {window, probe::owner(window)}) {
    const HWND hwnd = reinterpret_cast<HWND>(handle);
    SCOPED_TRACE(probe::className(handle));
    const auto bigIcon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
    const auto smallIcon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    EXPECT_NE(bigIcon, stock);
    EXPECT_EQ(IconWidth(bigIcon), big);
    EXPECT_EQ(IconWidth(smallIcon), small);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON)), bigIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM)), smallIcon);
  }
}

// The manifest asks for Common Controls 6, which themes the buttons, radio
// items and option boxes: the process's activation context then redirects
// comctl32.dll to that version. Without it, Windows gives version 5.
TEST(ProgramManifestTest, TheControlsComeFromCommonControlsSix) {
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       L"comctl32.dll", &found));
}

}  // namespace
}  // namespace sc::test
