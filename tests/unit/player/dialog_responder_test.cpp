#include "player/dialog_responder.h"

#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

using Input = sim::DesktopInput;

TEST(ButtonSlotsTest, ThreeButtonsEndUpLeftToRightWhateverTheOrderFound) {
  const int lefts[3] = {100, 300, 500};  // handles 1, 2, 3 from left to right
  int order[3] = {0, 1, 2};
  do {
    ButtonSlots slots(1024);
    for (int i : order) slots.place(static_cast<WindowHandle>(i + 1), lefts[i]);
    EXPECT_EQ(slots.leftmost, 1u);
    EXPECT_EQ(slots.middle, 2u);
    EXPECT_EQ(slots.rightmost, 3u);
  } while (std::next_permutation(order, order + 3));
}

TEST(ButtonSlotsTest, EdgeCasesKeepTheFirstButtonFound) {
  struct Case {
    const char* what;
    int first;
    int second;
    WindowHandle leftmost;
    WindowHandle rightmost;
  } cases[] = {
      {"two apart", 400, 200, 2, 1},
      {"same left edge", 200, 200, 1, 1},
      {"both right of the screen width", 1100, 1300, 1, 2},
      {"both at or left of 0", -300, -500, 2, 1},
  };
  for (const auto& c : cases) {
    ButtonSlots slots(1024);
    slots.place(1, c.first);
    slots.place(2, c.second);
    EXPECT_EQ(slots.leftmost, c.leftmost) << c.what;
    EXPECT_EQ(slots.rightmost, c.rightmost) << c.what;
  }
}

// The simulated desktop, on which one dialog changes while the responder counts
// its children: just before it is asked for the child number `atChild`.
class ChangingDialogDesktop final : public Desktop {
 public:
  enum class Change { Hidden, Closed, Shown };
  ChangingDialogDesktop(sim::SimDesktop& desktop, WindowHandle dialog, int atChild, Change change)
      : desktop_(desktop), dialog_(dialog), atChild_(atChild), change_(change) {}

  WindowHandle nextChild(WindowHandle parent, WindowHandle after) override {
    if (parent == dialog_ && ++asked_ == atChild_) {
      if (change_ == Change::Closed) desktop_.removeWindow(dialog_);
      if (change_ != Change::Closed) desktop_.setVisible(dialog_, change_ == Change::Shown);
    }
    return desktop_.nextChild(parent, after);
  }
  WindowHandle findWindowByTitle(const char* title) override {
    return desktop_.findWindowByTitle(title);
  }
  bool sendClose(WindowHandle window, std::uint32_t waitMs) override {
    return desktop_.sendClose(window, waitMs);
  }
  WindowHandle firstWindow(WindowHandle window) override { return desktop_.firstWindow(window); }
  WindowHandle nextWindow(WindowHandle window) override { return desktop_.nextWindow(window); }
  void className(WindowHandle window, FixedText<256>& name) override {
    desktop_.className(window, name);
  }
  bool isVisible(WindowHandle window) override { return desktop_.isVisible(window); }
  bool windowLeft(WindowHandle window, int* left) override {
    return desktop_.windowLeft(window, left);
  }
  void setForeground(WindowHandle window) override { desktop_.setForeground(window); }
  void bringToFront(WindowHandle window) override { desktop_.bringToFront(window); }
  void sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override {
    desktop_.sendMouseDown(window, wParam, lParam);
  }
  void sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override {
    desktop_.sendMouseUp(window, wParam, lParam);
  }
  void postWake(WindowHandle window) override { desktop_.postWake(window); }

 private:
  sim::SimDesktop& desktop_;
  const WindowHandle dialog_;
  const int atChild_;
  const Change change_;
  int asked_ = 0;
};

class DialogResponderTest : public MainWindowTest {
 protected:
  // A job with iTunes and a loaded disc: the responder is armed.
  void StartITunesJob() {
    for (WindowHandle dialog : dialogs) sim.desktop.removeWindow(dialog);
    dialogs.clear();
    buttons.clear();
    sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
    StartJob();
    watch.MainWindow = sim.desktop.addWindow("Spoolcat:");
    ASSERT_TRUE(watch.WatchActive);
    ASSERT_TRUE(watch.WatchITunes);
  }
  WindowHandle Dialog(const std::vector<int>& buttonLefts, bool listBox = false,
                      const char* className = kITunesDialogClass) {
    const WindowHandle dialog = sim.desktop.addTopLevel(className, "iTunes");
    dialogs.push_back(dialog);
    sim.desktop.addChild(dialog, "Static", "A question", true, 20);
    if (listBox) sim.desktop.addChild(dialog, "ListBox", "", true, 20);
    for (int left : buttonLefts)
      buttons.push_back(sim.desktop.addChild(dialog, "Button", "", true, left));
    return dialog;
  }
  // One pass of the responder's thread, then the wake it may have posted to
  // the main window.
  void Pass() {
    ResponderPass(Context());
    DeliverWakes();
  }
  DialogWatcherContext& Context() {
    return *static_cast<DialogWatcherContext*>(sim.threads.starts().back().argument);
  }
  // The button that got the last click, or 0.
  WindowHandle Clicked() const {
    const auto& inputs = sim.desktop.inputs();
    for (auto input = inputs.rbegin(); input != inputs.rend(); ++input)
      if (input->kind == Input::Kind::MouseUp) return input->window;
    return 0;
  }
  std::vector<WindowHandle> dialogs;
  std::vector<WindowHandle> buttons;
};

TEST_F(DialogResponderTest, ClicksWithForegroundDownAndUpAtTenTen) {
  StartITunesJob();
  Dialog({100, 300, 500}, true);
  const auto sleepsBefore = sim.threads.sleeps().size();
  Pass();
  const WindowHandle left = buttons[0];
  EXPECT_EQ(sim.desktop.inputs(), (std::vector<Input>{{Input::Kind::Foreground, left, 0, 0},
                                                      {Input::Kind::MouseDown, left, 10, 10},
                                                      {Input::Kind::MouseUp, left, 10, 10}}));
  EXPECT_EQ(std::vector<std::uint32_t>(sim.threads.sleeps().begin() + sleepsBefore,
                                       sim.threads.sleeps().end()),
            (std::vector<std::uint32_t>{10, 10}));
  EXPECT_FALSE(watch.WatchActive);
}

TEST_F(DialogResponderTest, ListDialogGetsItsLeftmostButtonOrNothing) {
  for (std::vector<int> lefts : {std::vector<int>{300}, {500, 100}, {300, 500, 100, 700}}) {
    StartITunesJob();
    Dialog(lefts, true);
    Pass();
    const auto leftmost = std::min_element(lefts.begin(), lefts.end()) - lefts.begin();
    EXPECT_EQ(Clicked(), buttons[static_cast<std::size_t>(leftmost)]);
    EXPECT_FALSE(watch.UnknownDiscSeen);
  }
  StartITunesJob();
  Dialog({}, true);
  const auto inputs = sim.desktop.inputs().size();
  Pass();
  Pass();
  EXPECT_EQ(sim.desktop.inputs().size(), inputs);
  EXPECT_TRUE(watch.WatchActive);
}

TEST_F(DialogResponderTest, UnidentifiedDiscRippedAnywayGoesToTheRejectBinOnRemoval) {
  StartITunesJob();
  Dialog({400, 150});
  Pass();
  EXPECT_EQ(Clicked(), buttons[1]);
  EXPECT_TRUE(watch.UnknownDiscSeen);
  EXPECT_FALSE(form->tmrUnload.enabled());
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action reject --target E: Writer 1");
  EXPECT_FALSE(watch.UnknownDiscSeen);
}

TEST_F(DialogResponderTest, UnidentifiedDiscDeclinedIsUnloadedFromTheWindowThread) {
  for (bool alternate : {true, false}) {
    StartITunesJob();
    form->ckxAlternateOutputt.setChecked(alternate);
    form->ckxRippingNoneCDB.setChecked(false);
    Dialog({150, 400});
    ResponderPass(Context());
    EXPECT_EQ(Clicked(), buttons[1]);
    // Only the window thread starts the timer, when the wake reaches it.
    EXPECT_FALSE(form->tmrUnload.enabled());
    EXPECT_EQ(DeliverWakes(), 1);
    EXPECT_TRUE(form->tmrUnload.enabled());
    EXPECT_FALSE(watch.UnloadRequested);
    Advance(19);
    EXPECT_EQ(form->StatusCode, 3);
    Advance(1);
    EXPECT_EQ(LastManagerCommand(), std::string("--caller Spoolcat: --action ") +
                                        (alternate ? "reject" : "unload") +
                                        " --target E: Writer 1");
  }
}

TEST_F(DialogResponderTest, WakeWithoutADeclinedDiscStartsNothing) {
  StartITunesJob();
  // Another program can post the same bare message.
  form->OnWake();
  EXPECT_FALSE(form->tmrUnload.enabled());

  form->ckxRippingNoneCDB.setChecked(false);
  Dialog({150, 400});
  Pass();
  ASSERT_TRUE(form->tmrUnload.enabled());
  Advance(20);
  const auto commands = ManagerCommands().size();
  // The request was taken with the first wake: a second one starts nothing.
  form->OnWake();
  EXPECT_FALSE(form->tmrUnload.enabled());
  Advance(100);
  EXPECT_EQ(ManagerCommands().size(), commands);
}

TEST_F(DialogResponderTest, ExistingSongsAreReplacedOrKeptByTheOption) {
  for (bool replace : {true, false}) {
    StartITunesJob();
    form->ckxReplaceExitFile.setChecked(replace);
    // The middle button is found last.
    Dialog({100, 500, 300});
    Pass();
    EXPECT_EQ(Clicked(), replace ? buttons[0] : buttons[2]);
    EXPECT_FALSE(watch.UnknownDiscSeen);
    EXPECT_FALSE(form->tmrUnload.enabled());
  }
}

TEST_F(DialogResponderTest, HiddenButtonsDoNotCount) {
  StartITunesJob();
  Dialog({100, 300, 500});
  sim.desktop.setVisible(buttons[2], false);
  Pass();
  EXPECT_EQ(Clicked(), buttons[0]);
  EXPECT_TRUE(watch.UnknownDiscSeen);
}

TEST_F(DialogResponderTest, DialogsOfNoKnownShapeOrOtherClassAreLeftAlone) {
  StartITunesJob();
  Dialog({100});
  Dialog({100, 200, 300, 400});
  Dialog({100, 200}, false, "itunescustommodaldialog");
  Pass();
  EXPECT_TRUE(sim.desktop.inputs().empty());
  EXPECT_TRUE(watch.WatchActive);
  // Still armed: a dialog that appears later is answered.
  Dialog({100, 200, 300});
  Pass();
  EXPECT_NE(Clicked(), 0u);
}

// Windows hides a dialog before it destroys it, and a dialog is made hidden
// and shown once its controls are there: either way all its children change
// visibility at once. Counted across that moment, four or three buttons can
// look like the two of an unidentified disc's dialog, and the disc being
// ripped would be declined. Such a dialog is left alone.
TEST_F(DialogResponderTest, ADialogThatAppearsOrGoesWhileItsButtonsAreCountedIsLeftAlone) {
  using Change = ChangingDialogDesktop::Change;
  const struct {
    const char* what;
    std::vector<int> lefts;
    Change change;
  } cases[] = {
      {"four buttons, hidden after two", {100, 200, 300, 400}, Change::Hidden},
      {"four buttons, closed after two", {100, 200, 300, 400}, Change::Closed},
      {"three buttons, hidden after two", {100, 200, 300}, Change::Hidden},
      {"four buttons, shown after two", {100, 200, 300, 400}, Change::Shown},
  };
  for (const auto& c : cases) {
    StartITunesJob();
    form->ckxRippingNoneCDB.setChecked(false);
    form->ckxAlternateOutputt.setChecked(true);
    const WindowHandle dialog = Dialog(c.lefts);
    if (c.change == Change::Shown) sim.desktop.setVisible(dialog, false);
    // The static text, two buttons, then the change.
    ChangingDialogDesktop changing(sim.desktop, dialog, 4, c.change);
    DialogWatcherContext context{changing, sim.system, sim.threads, watch, options};
    ResponderPass(context);
    EXPECT_EQ(DeliverWakes(), 0) << c.what;
    EXPECT_TRUE(sim.desktop.inputs().empty()) << c.what;
    EXPECT_FALSE(watch.UnknownDiscSeen) << c.what;
    EXPECT_TRUE(watch.WatchActive) << c.what;
    // Ripped as an identified disc: to the output, not the reject bin.
    Volume(kDbtDeviceRemoveComplete, 1u << 4);
    EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1")
        << c.what;
  }
}

TEST_F(DialogResponderTest, AnswersOneDialogPerLoadedDisc) {
  StartITunesJob();
  Dialog({100, 200, 300});
  Pass();
  ASSERT_NE(Clicked(), 0u);
  const auto inputs = sim.desktop.inputs().size();
  Dialog({100, 200, 300});
  Pass();
  EXPECT_EQ(sim.desktop.inputs().size(), inputs);
  // The next disc's load answer arms it again.
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  Pass();
  EXPECT_GT(sim.desktop.inputs().size(), inputs);
}

TEST_F(DialogResponderTest, IdleWithWindowsMediaPlayerOrBeforeADiscIsLoaded) {
  StartJob();
  watch.MainWindow = sim.desktop.addWindow("Spoolcat:");
  Dialog({100, 200}, true);
  ASSERT_TRUE(watch.WatchActive);
  Pass();
  EXPECT_TRUE(sim.desktop.inputs().empty());

  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  StartReady();
  form->btnWMP.click();
  Pass();
  EXPECT_TRUE(sim.desktop.inputs().empty());
}

TEST_F(DialogResponderTest, ThreadPassesEveryTwoSeconds) {
  StartITunesJob();
  struct Stop {};
  int sleeps = 0;
  sim.threads.setSleepHook([&](std::uint32_t) {
    if (++sleeps == 4) throw Stop{};
  });
  Dialog({100, 200, 300});
  EXPECT_THROW(DialogWatcher(&Context()), Stop);
  // One pass with a click (two short pauses), then the pass pause, and again.
  EXPECT_EQ(std::vector<std::uint32_t>(sim.threads.sleeps().end() - 4, sim.threads.sleeps().end()),
            (std::vector<std::uint32_t>{10, 10, 2000, 2000}));
}

}  // namespace
}  // namespace sc::testing
