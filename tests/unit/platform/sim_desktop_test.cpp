// The simulated desktop's window tree, its record of input and its failures,
// beyond what the desktop contract holds both backends to.
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sc::sim {
namespace {

constexpr std::intptr_t kPoint = (10 << 16) | 10;

class SimDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player_ = desktop_.addWindow("iTunes");
    dialog_ = desktop_.addTopLevel("iTunesDialog", "iTunes");
    ok_ = desktop_.addChild(dialog_, "Button", "OK", true, 140);
    label_ = desktop_.addChild(dialog_, "Static", "Import CD?", true, 20);
  }
  std::string classOf(WindowHandle window) {
    FixedText<256> name;
    desktop_.className(window, name);
    return TextOf(name);
  }
  std::vector<WindowHandle> walk() {
    std::vector<WindowHandle> found;
    for (WindowHandle w = desktop_.firstWindow(player_); w != 0; w = desktop_.nextWindow(w)) {
      found.push_back(w);
    }
    return found;
  }

  SimDesktop desktop_;
  WindowHandle player_ = 0, dialog_ = 0, ok_ = 0, label_ = 0;
};

TEST_F(SimDesktopTest, TopLevelWindowsNewestFirstAndOnlyThoseFoundByTitle) {
  EXPECT_EQ((std::vector<WindowHandle>{dialog_, player_}), walk());
  EXPECT_EQ(std::string(SimDesktop::kPlainClassName), classOf(player_));
  // The desktop's children are the top-level windows.
  EXPECT_EQ(dialog_, desktop_.nextChild(0, 0));
  EXPECT_EQ(player_, desktop_.nextChild(0, dialog_));
  EXPECT_EQ(0u, desktop_.nextChild(player_, ok_)) << "not a child of that parent";
  // Both are titled "iTunes": the higher one is found, never a child.
  EXPECT_EQ(dialog_, desktop_.findWindowByTitle("iTunes"));
  EXPECT_EQ(0u, desktop_.findWindowByTitle("OK"));
  desktop_.removeWindow(dialog_);
  EXPECT_EQ(player_, desktop_.findWindowByTitle("itunes"));
}

TEST_F(SimDesktopTest, ClassNameIsCutTo255Characters) {
  const std::string longName(300, 'D');
  const WindowHandle window = desktop_.addTopLevel(longName, "Long");
  EXPECT_EQ(longName.substr(0, 255), classOf(window));
}

TEST_F(SimDesktopTest, VisibilityAndPlaceFollowTheSetters) {
  EXPECT_TRUE(desktop_.isVisible(ok_));
  desktop_.setVisible(dialog_, false);
  EXPECT_FALSE(desktop_.isVisible(ok_)) << "a hidden dialog hides its controls";
  desktop_.setVisible(dialog_, true);
  desktop_.setVisible(ok_, false);
  EXPECT_FALSE(desktop_.isVisible(ok_));
  EXPECT_TRUE(desktop_.isVisible(label_));
  desktop_.setLeft(ok_, 250);
  int left = 0;
  ASSERT_TRUE(desktop_.windowLeft(ok_, &left));
  EXPECT_EQ(250, left);
}

TEST_F(SimDesktopTest, ClosingADialogTakesItsControlsUnlessItStays) {
  const WindowHandle stubborn =
      desktop_.addTopLevel("iTunesDialog", "Stays", SimDesktop::OnClose::Stays);
  const WindowHandle kept = desktop_.addChild(stubborn, "Button", "Cancel", true, 0);
  desktop_.sendClose(stubborn, 0);
  EXPECT_TRUE(desktop_.isOpen(kept));
  desktop_.sendClose(dialog_, 0);
  EXPECT_FALSE(desktop_.isOpen(dialog_));
  EXPECT_FALSE(desktop_.isOpen(ok_));
  EXPECT_FALSE(desktop_.isOpen(label_));
  EXPECT_EQ((std::vector<WindowHandle>{stubborn, player_}), walk());
}

TEST_F(SimDesktopTest, RecordsForegroundAndMouseMessagesInOrder) {
  desktop_.setForeground(dialog_);
  desktop_.sendMouseDown(ok_, 1, kPoint);
  desktop_.sendMouseUp(ok_, 0, kPoint);
  desktop_.setForeground(ok_);
  using Kind = DesktopInput::Kind;
  EXPECT_EQ((std::vector<DesktopInput>{{Kind::Foreground, dialog_},
                                       {Kind::MouseDown, ok_, 1, kPoint},
                                       {Kind::MouseUp, ok_, 0, kPoint},
                                       {Kind::Foreground, ok_}}),
            desktop_.inputs());
  EXPECT_EQ(dialog_, desktop_.foreground()) << "a control cannot be the foreground window";
  desktop_.removeWindow(dialog_);
  EXPECT_EQ(0u, desktop_.foreground());
}

TEST_F(SimDesktopTest, HookClosingTheDialogEndsAWalkInProgress) {
  std::vector<WindowHandle> hooked;
  desktop_.setMouseHook([&](const DesktopInput& input) {
    hooked.push_back(input.window);
    if (input.kind == DesktopInput::Kind::MouseUp) desktop_.sendClose(dialog_, 0);
  });
  WindowHandle child = desktop_.nextChild(dialog_, 0);
  ASSERT_EQ(ok_, child);
  desktop_.sendMouseDown(child, 1, kPoint);
  desktop_.sendMouseUp(child, 0, kPoint);
  EXPECT_EQ(0u, desktop_.nextChild(dialog_, child));
  EXPECT_EQ(0u, desktop_.nextWindow(dialog_));
  EXPECT_EQ(0u, desktop_.firstWindow(dialog_));
  // A message to the gone button is recorded but no one answers it.
  desktop_.sendMouseDown(child, 1, kPoint);
  EXPECT_EQ((std::vector<WindowHandle>{ok_, ok_}), hooked);
  EXPECT_EQ(3u, desktop_.inputs().size());
}

// Each operation fails once for the OK button (by its text) and then works.
TEST_F(SimDesktopTest, EachOperationFailsThroughThePlan) {
  int hooked = 0;
  desktop_.setMouseHook([&](const DesktopInput&) { ++hooked; });
  const struct {
    const char* operation;
    std::function<bool()> works;  // true when the call did its job
  } cases[] = {
      {"firstWindow", [&] { return desktop_.firstWindow(ok_) == ok_; }},
      {"nextWindow", [&] { return desktop_.nextWindow(ok_) == label_; }},
      {"className", [&] { return classOf(ok_) == "Button"; }},
      {"isVisible", [&] { return desktop_.isVisible(ok_); }},
      {"windowLeft",
       [&] {
         int left = -1;
         const bool answered = desktop_.windowLeft(ok_, &left);
         EXPECT_EQ(answered ? 140 : -1, left);
         return answered;
       }},
      {"sendMouseDown",
       [&] {
         const int before = hooked;
         desktop_.sendMouseDown(ok_, 1, kPoint);
         return hooked > before;
       }},
      {"sendMouseUp",
       [&] {
         const int before = hooked;
         desktop_.sendMouseUp(ok_, 0, kPoint);
         return hooked > before;
       }},
  };
  for (const auto& c : cases) {
    desktop_.failures().once(c.operation, 5, "ok");
    EXPECT_FALSE(c.works()) << c.operation;
    EXPECT_TRUE(c.works()) << c.operation;
  }
  EXPECT_EQ(4u, desktop_.inputs().size()) << "failed messages are recorded too";
}

TEST_F(SimDesktopTest, FailuresNarrowToAParentOrAClass) {
  desktop_.failures().always("nextChild", 5, "iTunes", "iTunesDialog");
  EXPECT_EQ(0u, desktop_.nextChild(dialog_, 0));
  desktop_.failures().clear();
  desktop_.failures().always("className", 5, "", "Static");
  EXPECT_EQ("", classOf(label_));
  EXPECT_EQ("Button", classOf(ok_));
  desktop_.failures().once("setForeground", 5, "iTunes");
  desktop_.setForeground(player_);
  EXPECT_EQ(0u, desktop_.foreground());
  desktop_.setForeground(player_);
  EXPECT_EQ(player_, desktop_.foreground());
}

}  // namespace
}  // namespace sc::sim
