#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "contract/contract_backend.h"
#include "util/fixed_text.h"

namespace sc::contract {
namespace {

class DesktopContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  Desktop& desktop() { return backend_->platform().desktop; }
  // Under Wine a window needs a display (Xvfb); without one there is nothing
  // to hold the real desktop to.
  WindowHandle open(const std::string& title) {
    const WindowHandle window = backend_->openWindow(title);
    if (window == 0) ADD_FAILURE() << "could not open a window; is there a display?";
    return window;
  }
  ContractBackend::Dialog openDialog(const std::string& className,
                                     const std::vector<ContractBackend::Control>& controls) {
    ContractBackend::Dialog dialog = backend_->openDialog(className, kDialogLeft, controls);
    if (dialog.window == 0) ADD_FAILURE() << "could not open a dialog of class " << className;
    return dialog;
  }
  // The top-level windows from the top of the Z order, as the responder walks
  // them; bounded, so a walk that loops fails instead of hanging.
  std::vector<WindowHandle> walk(WindowHandle from) {
    std::vector<WindowHandle> windows;
    for (WindowHandle w = desktop().firstWindow(from); w != 0 && windows.size() < 100000;
         w = desktop().nextWindow(w)) {
      windows.push_back(w);
    }
    return windows;
  }
  // The class name as the responder reads it, from a buffer that starts
  // full of junk: the backend must put the zero itself.
  std::string classOf(WindowHandle window) {
    FixedText<256> name;
    name.fill('#');
    desktop().className(window, name);
    return TextOf(name);
  }
  std::vector<WindowHandle> children(WindowHandle parent) {
    std::vector<WindowHandle> found;
    for (WindowHandle c = desktop().nextChild(parent, 0); c != 0 && found.size() < 1000;
         c = desktop().nextChild(parent, c)) {
      found.push_back(c);
    }
    return found;
  }

  static constexpr int kDialogLeft = 100;
  std::unique_ptr<ContractBackend> backend_;
};

// lParam of a mouse message: x in the low word, y in the high one.
constexpr std::intptr_t kPoint10x10 = (10 << 16) | 10;
constexpr std::uintptr_t kLeftButtonDown = 0x0001;  // MK_LBUTTON

TEST_F(DesktopContract, FindsAWindowByItsWholeTitleInAnyCase) {
  const WindowHandle window = open("Spoolcat Contract Player");
  if (window == 0) return;
  EXPECT_EQ(window, desktop().findWindowByTitle("Spoolcat Contract Player"));
  EXPECT_EQ(window, desktop().findWindowByTitle("SPOOLCAT contract player"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract Player 2"));
}

// The wait for an answer to WM_CLOSE ends at its bound, so a program stuck
// in its handler cannot hold the caller; the caller learns it was not answered.
TEST_F(DesktopContract, CloseWaitsForTheAnswerNoLongerThanAsked) {
  const WindowHandle closing = open("Spoolcat Contract Closing");
  const WindowHandle stuck = backend_->openWindowStuckOnClose("Spoolcat Contract Stuck");
  if (closing == 0 || stuck == 0) return;
  struct Close {
    const char* title;
    WindowHandle window;
    std::uint32_t waitMs;
    bool answered;
    bool openAfter;
  };
  const Close closes[] = {
      {"Spoolcat Contract Stuck", stuck, 300, false, true},
      {"Spoolcat Contract Closing", closing, 5000, true, false},
      {"Spoolcat Contract Closing", closing, 300, false, false},  // gone
  };
  for (const Close& c : closes) {
    SCOPED_TRACE(c.title);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(c.answered, desktop().sendClose(c.window, c.waitMs));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(c.waitMs + 2000));
    EXPECT_EQ(c.openAfter, desktop().findWindowByTitle(c.title) == c.window);
  }
}

// What a second copy of the program does to the first one's window.
TEST_F(DesktopContract, BringToFrontRestoresAMinimizedWindowAndMakesItTheForegroundOne) {
  const WindowHandle behind = open("Spoolcat Contract Behind");
  const WindowHandle window = open("Spoolcat Contract Minimized");
  if (behind == 0 || window == 0) return;
  backend_->minimize(window);
  ASSERT_TRUE(backend_->minimized(window));
  desktop().bringToFront(window);
  EXPECT_FALSE(backend_->minimized(window));
  EXPECT_EQ(window, backend_->foreground());
  desktop().bringToFront(behind);
  EXPECT_EQ(behind, backend_->foreground()) << "a window that is not minimized comes forward too";
}

TEST_F(DesktopContract, WalkFromAnyWindowMeetsANewDialogAboveOlderWindows) {
  const WindowHandle older = open("Spoolcat Contract Older");
  const auto dialog = openDialog("SpoolcatContractDialog", {{"Button", "OK", 30, true}});
  if (older == 0 || dialog.window == 0) return;
  const std::vector<WindowHandle> windows = walk(older);
  const auto dialogAt = std::find(windows.begin(), windows.end(), dialog.window);
  const auto olderAt = std::find(windows.begin(), windows.end(), older);
  ASSERT_NE(windows.end(), dialogAt);
  ASSERT_NE(windows.end(), olderAt);
  EXPECT_LT(dialogAt, olderAt) << "a new top-level window goes above the older ones";
  EXPECT_EQ(windows, walk(dialog.window)) << "the same walk from any top-level window";
  EXPECT_EQ(windows.end(), std::find(windows.begin(), windows.end(), dialog.controls[0]))
      << "controls are not top-level windows";
  EXPECT_EQ("SpoolcatContractDialog", classOf(dialog.window));
}

TEST_F(DesktopContract, ControlsComeInCreationOrderHiddenOnesIncluded) {
  const auto dialog = openDialog("SpoolcatContractDialog", {{"Button", "OK", 30, true},
                                                            {"ListBox", "", 130, false},
                                                            {"Static", "Ripping", 230, true},
                                                            {"Button", "Cancel", 330, false}});
  if (dialog.window == 0) return;
  ASSERT_EQ(dialog.controls, children(dialog.window));
  const char* classes[] = {"Button", "ListBox", "Static", "Button"};
  const bool visible[] = {true, false, true, false};
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    EXPECT_EQ(classes[i], classOf(dialog.controls[i])) << i;
    EXPECT_EQ(visible[i], desktop().isVisible(dialog.controls[i])) << i;
  }
  EXPECT_TRUE(desktop().isVisible(dialog.window));
  EXPECT_EQ(0u, desktop().nextChild(dialog.controls[0], 0)) << "a control has no children";
  // Among controls, the first and next siblings are the creation order too.
  EXPECT_EQ(dialog.controls[0], desktop().firstWindow(dialog.controls[2]));
  EXPECT_EQ(dialog.controls[3], desktop().nextWindow(dialog.controls[2]));
  EXPECT_EQ(0u, desktop().nextWindow(dialog.controls[3]));
}

TEST_F(DesktopContract, LeftEdgesAreInScreenCoordinates) {
  const auto dialog = openDialog("SpoolcatContractDialog",
                                 {{"Button", "OK", 30, true}, {"Button", "Cancel", 130, false}});
  if (dialog.window == 0) return;
  int dialogLeft = -1, okLeft = -1, cancelLeft = -1;
  ASSERT_TRUE(desktop().windowLeft(dialog.window, &dialogLeft));
  ASSERT_TRUE(desktop().windowLeft(dialog.controls[0], &okLeft));
  ASSERT_TRUE(desktop().windowLeft(dialog.controls[1], &cancelLeft));
  // The client area starts inside the border; a window manager may have moved
  // the dialog, so only distances are held.
  EXPECT_GT(okLeft - dialogLeft, 30);
  EXPECT_LE(okLeft - dialogLeft, 30 + 10);
  EXPECT_EQ(100, cancelLeft - okLeft) << "a hidden control has its place too";
}

TEST_F(DesktopContract, MouseDownThenUpOnAButtonClicksIt) {
  const auto dialog = openDialog("SpoolcatContractDialog",
                                 {{"Button", "OK", 30, true}, {"Button", "Cancel", 130, false}});
  if (dialog.window == 0) return;
  const WindowHandle ok = dialog.controls[0];
  const WindowHandle cancel = dialog.controls[1];
  desktop().sendMouseUp(ok, 0, kPoint10x10);
  EXPECT_EQ(0, backend_->clicks(dialog, ok)) << "a release without a press is no click";
  desktop().sendMouseDown(ok, kLeftButtonDown, kPoint10x10);
  EXPECT_EQ(0, backend_->clicks(dialog, ok)) << "the click comes with the release";
  desktop().sendMouseUp(ok, 0, kPoint10x10);
  EXPECT_EQ(1, backend_->clicks(dialog, ok));
  EXPECT_EQ(0, backend_->clicks(dialog, cancel));
  // Messages reach a hidden button as well: only the caller can tell it apart.
  desktop().sendMouseDown(cancel, kLeftButtonDown, kPoint10x10);
  desktop().sendMouseUp(cancel, 0, kPoint10x10);
  EXPECT_EQ(1, backend_->clicks(dialog, cancel));
  EXPECT_EQ(1, backend_->clicks(dialog, ok));
}

// The responder wakes the main window with a message that carries nothing.
TEST_F(DesktopContract, WakeArrivesBareOncePerPost) {
  const WindowHandle window = open("Spoolcat Contract Woken");
  if (window == 0) return;
  EXPECT_EQ(0, backend_->wakesReceived(window));
  desktop().postWake(window);
  desktop().postWake(window);
  EXPECT_EQ(2, backend_->wakesReceived(window));
  EXPECT_EQ(0, backend_->wakesReceived(window)) << "each post arrives once";
}

// Windows refuses a class name of more than 255 characters, so the longest
// comes back whole from the 256-byte buffer.
TEST_F(DesktopContract, LongestClassNameComesBackWhole) {
  const std::string name = "SpoolcatContract" + std::string(255 - 16, 'L');
  const auto dialog = openDialog(name, {});
  if (dialog.window == 0) return;
  EXPECT_EQ(name, classOf(dialog.window));
}

TEST_F(DesktopContract, ClosedDialogAnswersNothing) {
  const WindowHandle older = open("Spoolcat Contract Older");
  const auto dialog = openDialog("SpoolcatContractDialog", {{"Button", "OK", 30, true}});
  if (older == 0 || dialog.window == 0) return;
  const WindowHandle ok = dialog.controls[0];
  ASSERT_TRUE(desktop().sendClose(dialog.window, 5000));
  // A walk that stood on the dialog or one of its controls ends there.
  EXPECT_EQ(0u, desktop().nextWindow(dialog.window));
  EXPECT_EQ(0u, desktop().nextChild(dialog.window, 0));
  EXPECT_EQ(0u, desktop().nextChild(dialog.window, ok));
  EXPECT_EQ(0u, desktop().firstWindow(dialog.window));
  EXPECT_EQ("", classOf(dialog.window));
  EXPECT_EQ("", classOf(ok));
  EXPECT_FALSE(desktop().isVisible(ok));
  int left = -7;
  EXPECT_FALSE(desktop().windowLeft(ok, &left));
  EXPECT_EQ(-7, left);
  desktop().sendMouseDown(ok, kLeftButtonDown, kPoint10x10);
  desktop().sendMouseUp(ok, 0, kPoint10x10);
  desktop().postWake(dialog.window);
  const std::vector<WindowHandle> windows = walk(older);
  EXPECT_EQ(windows.end(), std::find(windows.begin(), windows.end(), dialog.window));
}

}  // namespace
}  // namespace sc::contract
