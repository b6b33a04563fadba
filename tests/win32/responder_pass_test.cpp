// A pass of the dialog responder with the real desktop allocates nothing on
// the responder's thread: the class names of every top-level window, the
// dialog's children, the click and the wake. The thread is terminated from
// outside, and a kill inside the heap's lock would hang the window thread.
// This test program's operator new counts while a thread-local flag is set.
// (The program's own locks are counted by the native test.)
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>

#include "platform/win32/win32_platform.h"
#include "player/dialog_responder.h"
#include "player/dialog_watcher.h"
#include "win32/win32_fixtures.h"

namespace {

thread_local bool tCounting = false;
std::atomic<int> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (tCounting) ++gAllocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace sc {
namespace {

template <typename Step>
int AllocationsIn(Step step) {
  gAllocations = 0;
  tCounting = true;
  step();
  tCounting = false;
  return gAllocations.load();
}

// Handles the messages other threads send to this thread's windows, and
// leaves the posted ones in the queue, until `done`.
void AnswerSentMessagesUntil(const std::atomic<bool>& done) {
  const DWORD start = GetTickCount();
  while (!done && GetTickCount() - start < 10000) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
  }
}

TEST(ResponderPassTest, DecliningADiscWithTheRealDesktopAllocatesNothing) {
  win32::Win32Platform real;
  const Platform platform = real.platform();
  WatchBlock watch;
  ResponderOptions options;  // "Always rip unidentified CD" is off: decline
  DialogWatcherContext context{platform.desktop, platform.system, platform.threads, watch, options};
  const WindowHandle mainWindow = win32::createPlainWindow("Spoolcat: responder test");
  const WindowHandle dialog = win32::createDialogWindow(kITunesDialogClass, 100);
  if (mainWindow == 0 || dialog == 0) {
    ADD_FAILURE() << "could not open the windows; is there a display?";
    win32::destroyPlainWindow(dialog);
    win32::destroyPlainWindow(mainWindow);
    return;
  }
  win32::addControl(dialog, "Static", "Import this CD?", 10, true);
  const WindowHandle yes = win32::addControl(dialog, "Button", "Yes", 30, true);
  const WindowHandle no = win32::addControl(dialog, "Button", "No", 130, true);
  watch.MainWindow = mainWindow;
  watch.WatchITunes = true;
  watch.WatchActive = true;

  std::atomic<bool> done{false};
  int passAllocations = -1;
  int stringAllocations = -1;
  std::thread responder([&] {
    passAllocations = AllocationsIn([&] { ResponderPass(context); });
    // The probe itself: a long string does allocate.
    static std::string kept;
    stringAllocations = AllocationsIn([] { kept.assign(255, 'x'); });
    done = true;
  });
  AnswerSentMessagesUntil(done);
  responder.join();

  EXPECT_EQ(passAllocations, 0);
  EXPECT_GE(stringAllocations, 1);
  EXPECT_EQ(win32::buttonClicks(dialog, no), 1);
  EXPECT_EQ(win32::buttonClicks(dialog, yes), 0);
  EXPECT_TRUE(watch.UnloadRequested);
  EXPECT_EQ(win32::takeWakeMessages(mainWindow), 1);
  win32::destroyPlainWindow(dialog);
  win32::destroyPlainWindow(mainWindow);
}

}  // namespace
}  // namespace sc
