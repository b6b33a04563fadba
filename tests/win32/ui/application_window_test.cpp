// The application's window: the program's one taskbar button, captioned
// "Spoolcat", that owns the main window and decides nothing itself.
#include <windows.h>

#include <set>
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

// The pixels of a 32-bit top-down bitmap, or of `window`'s client area as the
// screen shows it, without the alpha byte.
std::vector<std::uint32_t> Pixels(HBITMAP picture) {
  BITMAP info = {};
  GetObjectA(picture, sizeof info, &info);
  const auto* bits = static_cast<const std::uint32_t*>(info.bmBits);
  std::vector<std::uint32_t> pixels(bits, bits + info.bmWidth * info.bmHeight);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint32_t> ScreenPixels(HWND window, int width, int height) {
  HBITMAP copy = MakeWindowPicture(window, width, height);
  HDC source = GetDC(window);
  HDC target = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(target, copy);
  BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(target, old);
  DeleteDC(target);
  ReleaseDC(window, source);
  std::vector<std::uint32_t> pixels = Pixels(copy);
  DeleteObject(copy);
  return pixels;
}

// The picture the taskbar's thumbnail shows: the main window's client area at
// the size asked, as the screen shows it, and still so while minimized.
TEST_F(ApplicationWindowTest, TheThumbnailIsThePictureOfTheMainWindowAtTheSizeAsked) {
  const HWND main = reinterpret_cast<HWND>(window);
  probe::pumpFor(200);
  RECT client = {};
  GetClientRect(main, &client);
  const std::vector<std::uint32_t> screen = ScreenPixels(main, client.right, client.bottom);
  HBITMAP picture = MakeWindowPicture(main, client.right, client.bottom);
  ASSERT_NE(picture, nullptr);
  const std::vector<std::uint32_t> shown = Pixels(picture);
  DeleteObject(picture);
  ASSERT_EQ(shown.size(), screen.size());
  std::size_t same = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) same += shown[i] == screen[i] ? 1 : 0;
  EXPECT_GE(same * 100, shown.size() * 95) << same << " of " << shown.size() << " pixels";
  EXPECT_GT(std::set<std::uint32_t>(shown.begin(), shown.end()).size(), 3u) << "a blank picture";

  HBITMAP small = MakeWindowPicture(main, 150, 97);
  BITMAP info = {};
  GetObjectA(small, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 150);
  EXPECT_EQ(info.bmHeight, 97);
  DeleteObject(small);

  probe::pressMinimize(window);
  ASSERT_FALSE(probe::visibleStyle(window));
  HBITMAP hidden = MakeWindowPicture(main, client.right, client.bottom);
  EXPECT_EQ(Pixels(hidden), shown);
  DeleteObject(hidden);
}

}  // namespace
}  // namespace sc::test
