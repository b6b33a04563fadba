#include "desktop_fixture.h"

namespace e2e {

void DesktopE2e::SetUp() {
  SpoolcatE2e::SetUp();
  if (IsSkipped()) return;
  ASSERT_TRUE(JoinDesktop(kTestDesktop, 800, 600)) << "error " << GetLastError();
  desktop_ = kTestDesktop;
}

void DesktopE2e::StartInFront() {
  StartSpoolcat();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != 0; }, 10000));
  ASSERT_TRUE(BringToFront(main_, 5000)) << "the window did not come to the front";
}

int DesktopE2e::Tab(bool backwards) {
  const int before = FocusedId(main_);
  if (backwards) {
    PressKeyWith(VK_SHIFT, VK_TAB);
  } else {
    PressKey(VK_TAB);
  }
  WaitUntil([&] { return FocusedId(main_) != before; }, 3000);
  return FocusedId(main_);
}

std::vector<int> DesktopE2e::TabWalk(int count) {
  std::vector<int> focused;
  for (int i = 0; i < count; ++i) focused.push_back(Tab());
  return focused;
}

}  // namespace e2e
