// The pointer over the window, on Wine's own desktop: the company's name is a
// link and shows the hand, which stays over the other controls until the
// pointer crosses a bare part of the window, where the arrow comes back.
#include <optional>

#include "desktop_fixture.h"

namespace e2e {
namespace {

using Pointer = DesktopE2e;

// The cursor the foreground window's thread shows. Each process has handles
// of its own for the system's cursors: only the program's can be compared.
HCURSOR ShownCursor() {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

void MoveOnto(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
}

// A point of `top`'s client area, on the screen, that no shown control covers.
std::optional<POINT> BarePoint(HWND top) {
  RECT client = {};
  GetClientRect(top, &client);
  for (int y = client.bottom - 3; y > 2; y -= 7) {
    for (int x = client.right - 3; x > 2; x -= 7) {
      POINT at = {x, y};
      if (ChildWindowFromPointEx(top, at, CWP_SKIPINVISIBLE) != top) continue;
      ClientToScreen(top, &at);
      return at;
    }
  }
  return std::nullopt;
}

TEST_F(Pointer, TheLinksHandStaysOverAButtonUntilTheBareWindowBringsTheArrowBack) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", 15000)) << Status();
  const std::optional<POINT> bare = BarePoint(main_);
  ASSERT_TRUE(bare) << "no bare part of the window";

  SetCursorPos(bare->x, bare->y);
  Sleep(500);  // the program's answer to the move
  const HCURSOR arrow = ShownCursor();
  ASSERT_NE(arrow, nullptr);

  MoveOnto(Control(main_, kCompany));
  HCURSOR hand = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        hand = ShownCursor();
        return hand != nullptr && hand != arrow;
      },
      5000))
      << "no hand over the link";

  MoveOnto(Control(main_, kRipping));
  Sleep(500);
  EXPECT_EQ(ShownCursor(), hand) << "the hand did not stay over the button";

  SetCursorPos(bare->x, bare->y);
  EXPECT_TRUE(WaitUntil([&] { return ShownCursor() == arrow; }, 5000))
      << "the arrow did not come back over the bare window";
}

}  // namespace
}  // namespace e2e
