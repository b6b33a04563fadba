// The application's window: the program's one taskbar button, captioned
// "Spoolcat", that owns the main window and decides nothing itself.
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/win32_desktop.h"
#include "test_form.h"
#include "ui/win32/iconic_thumbnail.h"
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

// The taskbar may show the button on its window's monitor: the application's
// window stands where the main window is, on its monitor, and follows it.
TEST_F(ApplicationWindowTest, StandsWhereTheMainWindowIsAndFollowsIt) {
  const HWND main = reinterpret_cast<HWND>(window);
  const auto place = [&] {
    const Rect bounds = probe::windowRect(application);
    EXPECT_EQ(bounds.width, 0);
    EXPECT_EQ(bounds.height, 0);
    return std::make_pair(bounds.left, bounds.top);
  };
  // One screen here: just below it, under the main window's middle.
  const HMONITOR mainMonitor = MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(mainMonitor, &monitor);
  const int below = monitor.rcMonitor.bottom;
  const auto middle = [&] {
    const Rect bounds = probe::windowRect(window);
    return std::make_pair(bounds.left + bounds.width / 2, below);
  };
  EXPECT_EQ(place(), middle());
  EXPECT_EQ(MonitorFromWindow(reinterpret_cast<HWND>(application), MONITOR_DEFAULTTONEAREST),
            mainMonitor);
  SetWindowPos(main, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(place(), middle());
  // Dragged off the left of the screen, it stays by its edge.
  SetWindowPos(main, nullptr, -2000, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(place(), std::make_pair(static_cast<int>(monitor.rcMonitor.left), below));
  // Minimized, it is left where Windows keeps it, and comes back to its place.
  SetWindowPos(main, nullptr, 60, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  probe::pressMinimize(window);
  probe::restore(application);
  EXPECT_EQ(place(), middle());
}

// Wine without a window manager waits two seconds to see a shown window it
// manages withdrawn, when it stands on a screen; the application's window
// must not make the program wait so at its end. (The main window is never shown here,
// so nothing else waits.)
TEST(ApplicationWindowEnd, TheWindowGoesAtOnce) {
  RecordedBoxes boxes;
  auto ui = std::make_unique<Win32Ui>(boxes);
  auto form = std::make_unique<TestForm>(ui->timers(), ui->measurer());
  ui->setApplicationTitle("Spoolcat");
  ui->attach(*form);
  const WindowHandle application = probe::owner(form->handle());
  ASSERT_TRUE(probe::visibleStyle(application));
  probe::pumpFor(200);
  form.reset();  // before its window, as at the program's end
  const DWORD start = GetTickCount();
  ui.reset();
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_FALSE(probe::exists(application));
  probe::takeQuit();
}

// A picture's pixels without the alpha byte, after copying onto it what the
// screen shows of `window`'s client area when one is given; it is deleted.
std::vector<std::uint32_t> Pixels(HBITMAP picture, HWND window = nullptr) {
  BITMAP info = {};
  GetObjectA(picture, sizeof info, &info);
  HDC screen = GetDC(window);
  HDC copy = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(copy, picture);
  if (window != nullptr) BitBlt(copy, 0, 0, info.bmWidth, info.bmHeight, screen, 0, 0, SRCCOPY);
  SelectObject(copy, old);
  DeleteDC(copy);
  ReleaseDC(window, screen);
  const auto* bits = static_cast<const std::uint32_t*>(info.bmBits);
  std::vector<std::uint32_t> pixels(bits, bits + info.bmWidth * info.bmHeight);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  DeleteObject(picture);
  return pixels;
}

// The picture the taskbar's thumbnail shows: the main window's client area as
// the screen shows it, at the size asked, and the same while minimized.
TEST_F(ApplicationWindowTest, TheThumbnailIsThePictureOfTheMainWindowAtTheSizeAsked) {
  const HWND main = reinterpret_cast<HWND>(window);
  probe::pumpFor(200);
  RECT client = {};
  GetClientRect(main, &client);
  const auto shown = Pixels(MakeWindowPicture(main, client.right, client.bottom));
  const auto screen = Pixels(MakeWindowPicture(main, client.right, client.bottom), main);
  ASSERT_EQ(shown.size(), screen.size());
  std::size_t same = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) same += shown[i] == screen[i] ? 1 : 0;
  EXPECT_GE(same * 100, shown.size() * 95) << same << " of " << shown.size() << " pixels";
  EXPECT_EQ(Pixels(MakeWindowPicture(main, 150, 97)).size(), 150u * 97u);
  probe::pressMinimize(window);
  ASSERT_FALSE(probe::visibleStyle(window));
  EXPECT_EQ(Pixels(MakeWindowPicture(main, client.right, client.bottom)), shown);
}

}  // namespace
}  // namespace sc::test
