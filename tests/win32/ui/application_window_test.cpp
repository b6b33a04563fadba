// The application's window: the program's one taskbar button, captioned
// "Spoolcat", that owns the main window and decides nothing itself.
#include "platform/win32/win32_desktop.h"
#include "test_form.h"
#include "win32/win32_fixtures.h"

namespace sc::test {
namespace {

class ApplicationWindowTest : public UiTest {
 protected:
  void SetUp() override {
    form.setCaption("Spoolcat:");
    ui.setApplicationTitle("Spoolcat");
    attach();
    form.show();
    application = probe::owner(window);
    ASSERT_NE(application, 0u) << "the main window has no owner";
  }

  WindowHandle application = 0;
};

TEST_F(ApplicationWindowTest, OwnsTheMainWindowAndStandsForItUnderTheTitle) {
  EXPECT_TRUE(probe::topLevel(application));
  EXPECT_EQ(probe::owner(application), 0u);
  EXPECT_EQ(probe::processOf(application), win32::currentProcessId());
  EXPECT_EQ(probe::text(application), "Spoolcat");
  EXPECT_EQ(probe::className(application), "SpoolcatApplication");
  // Shown, or it would get no taskbar button; without an area to draw.
  EXPECT_TRUE(probe::visibleStyle(application));
  const Rect bounds = probe::windowRect(application);
  EXPECT_EQ(bounds.width, 0);
  EXPECT_EQ(bounds.height, 0);
  // The manager still finds the main window, and only it, by its caption.
  EXPECT_EQ(probe::findTopLevel(nullptr, "Spoolcat:"), window);
  EXPECT_TRUE(probe::topLevel(window));
}

TEST_F(ApplicationWindowTest, CloseAndEndSessionGoThroughTheFormsClosingRule) {
  probe::sendSystemClose(application);  // the taskbar button's "Close"
  probe::sendClose(application);
  EXPECT_EQ(probe::queryEndSession(application), 0);
  EXPECT_EQ(form.endSessionAsked, application) << "its reason goes with the window asked";
  EXPECT_EQ(form.closeQueries, 3);
  EXPECT_EQ(form.closes, 0);
  EXPECT_TRUE(probe::exists(window));
  EXPECT_TRUE(probe::exists(application));

  form.allowClose = true;
  EXPECT_NE(probe::queryEndSession(application), 0);
  EXPECT_EQ(form.closes, 0) << "a query is no close";
  probe::sendSystemClose(application);
  EXPECT_EQ(form.closes, 1);
  EXPECT_FALSE(probe::exists(window));
}

// Explorer sends it to every window with a button when it starts again.
TEST_F(ApplicationWindowTest, TheTaskbarsNewButtonReachesTheForm) {
  probe::taskbarButtonCreated(application);
  EXPECT_EQ(form.taskbarButtons, 1);
}

TEST_F(ApplicationWindowTest, ActivatingItActivatesTheMainWindow) {
  probe::activate(application);
  EXPECT_EQ(probe::activeWindow(), window);
}

TEST_F(ApplicationWindowTest, MinimizedTogetherAndBroughtBackTogether) {
  probe::pressMinimize(window);
  EXPECT_TRUE(probe::minimized(application)) << "the taskbar button is the one minimized";
  EXPECT_FALSE(probe::minimized(window)) << "no minimized title bar of its own";
  EXPECT_FALSE(probe::visibleStyle(window));

  probe::restore(application);  // the taskbar button, or another program
  EXPECT_FALSE(probe::minimized(application));
  EXPECT_TRUE(probe::visibleStyle(window));
  EXPECT_EQ(probe::activeWindow(), window);

  // A second copy of the program brings the first forward by its main window.
  probe::pressMinimize(window);
  ASSERT_FALSE(probe::visibleStyle(window));
  win32::Win32Desktop().bringToFront(window);
  EXPECT_FALSE(probe::minimized(application));
  EXPECT_TRUE(probe::visibleStyle(window));
  EXPECT_EQ(win32::foregroundWindow(), window);
}

}  // namespace
}  // namespace sc::test
