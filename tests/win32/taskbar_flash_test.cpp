// How the button flashes when a wait lasts too long, held here: Wine shows no
// taskbar, and no test can watch a flash.
#include "platform/win32/taskbar_flash.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace sc::win32 {
namespace {

TEST(TaskbarFlashTest, TheButtonFlashesUntilTheProgramComesForwardAndTheCaptionNever) {
  const HWND button = reinterpret_cast<HWND>(0x1234);
  const FLASHWINFO info = TaskbarFlash(button);
  EXPECT_EQ(info.cbSize, sizeof info);
  EXPECT_EQ(info.hwnd, button);
  EXPECT_EQ(info.dwFlags, static_cast<DWORD>(FLASHW_TRAY | FLASHW_TIMERNOFG));
  // Until the program is in the foreground, at the system's own pace.
  EXPECT_EQ(info.uCount, 0u);
  EXPECT_EQ(info.dwTimeout, 0u);
}

}  // namespace
}  // namespace sc::win32
