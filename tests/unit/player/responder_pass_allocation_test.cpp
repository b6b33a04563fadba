// The responder's thread is terminated from outside wherever it is. Killed
// inside the heap's lock, or holding any mutex, it would leave the window
// thread waiting for ever at its next allocation, when the settings are saved
// at close. So a pass allocates nothing and locks nothing. This file counts
// both on the calling thread, while a flag is set: every operator new of the
// test program, and every pthread_mutex_lock (std::mutex among them), which
// the test program defines in place of the C library's and forwards.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <pthread.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

#include "player/dialog_responder.h"
#include "player/dialog_watcher.h"

namespace {

thread_local bool tCounting = false;
std::atomic<int> gAllocations{0};
std::atomic<int> gLocks{0};

void* Allocate(std::size_t size) noexcept {
  if (tCounting) ++gAllocations;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* memory = Allocate(size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

extern "C" int pthread_mutex_lock(pthread_mutex_t* mutex) noexcept {
  using Lock = int (*)(pthread_mutex_t*);
  static std::atomic<Lock> real{nullptr};
  Lock lock = real.load(std::memory_order_relaxed);
  if (lock == nullptr) {
    lock = reinterpret_cast<Lock>(dlsym(RTLD_NEXT, "pthread_mutex_lock"));
    real.store(lock, std::memory_order_relaxed);
  }
  if (tCounting) ++gLocks;
  return lock(mutex);
}

namespace sc {
namespace {

struct Counts {
  int allocations;
  int locks;
};

template <typename Step>
Counts Counted(Step step) {
  gAllocations = 0;
  gLocks = 0;
  tCounting = true;
  step();
  tCounting = false;
  return {gAllocations.load(), gLocks.load()};
}

// A desktop in fixed arrays, so that the fake itself neither allocates nor
// locks. Windows are walked in the order added; children after their parent.
class FixedDesktop final : public Desktop {
 public:
  WindowHandle add(WindowHandle parent, const char* className, bool visible = true, int left = 0) {
    windows_.at(count_) = {static_cast<WindowHandle>(0x100 + 4 * count_), parent, className,
                           visible, left};
    return windows_[count_++].handle;
  }

  WindowHandle findWindowByTitle(const char*) override { return 0; }
  bool sendClose(WindowHandle, std::uint32_t) override { return false; }
  WindowHandle firstWindow(WindowHandle) override { return following(0, 0); }
  WindowHandle nextWindow(WindowHandle window) override { return following(0, window); }
  void className(WindowHandle window, FixedText<256>& name) override {
    name[0] = 0;
    if (const Window* w = find(window)) {
      const std::size_t length = std::min<std::size_t>(std::strlen(w->className), 255);
      std::memcpy(name.data(), w->className, length);
      name[length] = 0;
    }
  }
  WindowHandle nextChild(WindowHandle parent, WindowHandle after) override {
    return following(parent, after);
  }
  bool isVisible(WindowHandle window) override {
    const Window* w = find(window);
    return w != nullptr && w->visible;
  }
  bool windowLeft(WindowHandle window, int* left) override {
    const Window* w = find(window);
    if (w == nullptr) return false;
    *left = w->left;
    return true;
  }
  void setForeground(WindowHandle) override {}
  void bringToFront(WindowHandle) override {}
  void sendMouseDown(WindowHandle, std::uintptr_t, std::intptr_t) override {}
  void sendMouseUp(WindowHandle window, std::uintptr_t, std::intptr_t) override {
    clicked = window;
  }
  void postWake(WindowHandle window) override {
    woken = window;
    ++wakes;
  }

  WindowHandle clicked = 0;
  WindowHandle woken = 0;
  int wakes = 0;

 private:
  struct Window {
    WindowHandle handle;
    WindowHandle parent;
    const char* className;
    bool visible;
    int left;
  };
  const Window* find(WindowHandle window) const {
    for (std::size_t i = 0; i < count_; ++i)
      if (windows_[i].handle == window) return &windows_[i];
    return nullptr;
  }
  // The next window under `parent` after `after` (0: the first).
  WindowHandle following(WindowHandle parent, WindowHandle after) const {
    bool passed = after == 0;
    for (std::size_t i = 0; i < count_; ++i) {
      if (windows_[i].parent != parent) continue;
      if (passed) return windows_[i].handle;
      passed = windows_[i].handle == after;
    }
    return 0;
  }

  std::array<Window, 64> windows_{};
  std::size_t count_ = 0;
};

class FixedSystemInfo final : public SystemInfo {
 public:
  bool getVersion(std::uint32_t, std::uint32_t*) override { return false; }
  std::string modulePath() override { return {}; }
  std::string commandLine() override { return {}; }
  int fullScreenWidth() override { return 1024; }
  void localTime(FixedText<64>& text) override { text.fill(0); }
  void clockTime(FixedText<64>& text) override { text.fill(0); }
};

class NoThreads final : public Threads {
 public:
  ThreadHandle create(Routine, void*) override { return 0; }
  bool exitCode(ThreadHandle, std::uint32_t*) override { return false; }
  bool terminate(ThreadHandle, std::uint32_t) override { return false; }
  void sleep(std::uint32_t) override {}
};

// Longer than any short-string buffer, as real class names are.
const std::string kLongClassName(255, 'W');

// The program's own window, other programs' windows with long class names,
// and dialogs of iTunes' class that no answer fits; then the armed responder.
struct Scene {
  Scene() {
    mainWindow = desktop.add(0, "TfrmMain");
    desktop.add(0, "SomeOtherProgramsMainWindowClass");
    desktop.add(0, kLongClassName.c_str());
    const WindowHandle lone = desktop.add(0, kITunesDialogClass);
    desktop.add(lone, "Button", true, 100);
    const WindowHandle crowded = desktop.add(0, kITunesDialogClass);
    for (int left : {100, 200, 300, 400}) desktop.add(crowded, "Button", true, left);
    const WindowHandle otherCase = desktop.add(0, "itunescustommodaldialog");
    desktop.add(otherCase, "Button", true, 100);
    desktop.add(otherCase, "Button", true, 200);
    watch.MainWindow = mainWindow;
    watch.WatchITunes = true;
    watch.WatchActive = true;
  }
  // A dialog of iTunes' class below the others, with a static text, a
  // hidden button and these visible buttons.
  std::array<WindowHandle, 3> Dialog(std::initializer_list<int> lefts, bool listBox = false) {
    const WindowHandle dialog = desktop.add(0, kITunesDialogClass);
    desktop.add(dialog, "Static", true, 20);
    desktop.add(dialog, "Button", false, 50);
    if (listBox) desktop.add(dialog, "ListBox", true, 20);
    std::array<WindowHandle, 3> buttons{};
    std::size_t i = 0;
    for (int left : lefts) buttons.at(i++) = desktop.add(dialog, "Button", true, left);
    return buttons;
  }
  Counts CountedPass() {
    return Counted([this] { ResponderPass(context); });
  }

  FixedDesktop desktop;
  FixedSystemInfo system;
  NoThreads threads;
  WatchBlock watch;
  ResponderOptions options;
  DialogWatcherContext context{desktop, system, threads, watch, options};
  WindowHandle mainWindow = 0;
};

TEST(ResponderPassAllocationTest, TheProbesSeeAnAllocationAndALock) {
  std::string kept;
  std::mutex mutex;
  const Counts counts = Counted([&] {
    kept = kLongClassName;
    std::lock_guard<std::mutex> lock(mutex);
  });
  EXPECT_GE(counts.allocations, 1);
  EXPECT_EQ(counts.locks, 1);
}

TEST(ResponderPassAllocationTest, DecliningADiscSetsTheFlagAndWakesTheWindowOnly) {
  Scene scene;
  scene.options.importUnknown = false;
  const auto buttons = scene.Dialog({150, 400});
  const Counts counts = scene.CountedPass();
  EXPECT_EQ(counts.allocations, 0);
  EXPECT_EQ(counts.locks, 0);
  EXPECT_EQ(scene.desktop.clicked, buttons[1]);
  EXPECT_TRUE(scene.watch.UnloadRequested);
  EXPECT_EQ(scene.desktop.wakes, 1);
  EXPECT_EQ(scene.desktop.woken, scene.mainWindow);
}

TEST(ResponderPassAllocationTest, EveryOtherAnswerIsFreeOfAllocationsAndLocks) {
  const struct {
    const char* what;
    std::initializer_list<int> lefts;
    bool listBox;
    bool importUnknown;
    bool replaceSongs;
    std::size_t clicked;  // which of `lefts`
  } cases[] = {
      {"a list", {300, 100, 500}, true, false, false, 1},
      {"an unidentified disc ripped anyway", {400, 150}, false, true, false, 1},
      {"songs replaced", {100, 500, 300}, false, false, true, 0},
      {"songs kept", {100, 500, 300}, false, false, false, 2},
  };
  for (const auto& c : cases) {
    Scene scene;
    scene.options.importUnknown = c.importUnknown;
    scene.options.replaceSongs = c.replaceSongs;
    const auto buttons = scene.Dialog(c.lefts, c.listBox);
    const Counts counts = scene.CountedPass();
    EXPECT_EQ(counts.allocations, 0) << c.what;
    EXPECT_EQ(counts.locks, 0) << c.what;
    EXPECT_EQ(scene.desktop.clicked, buttons[c.clicked]) << c.what;
    EXPECT_EQ(scene.desktop.wakes, 0) << c.what;
  }
}

TEST(ResponderPassAllocationTest, AWalkThatAnswersNothingIsFreeOfThemToo) {
  Scene scene;
  const Counts counts = scene.CountedPass();
  EXPECT_EQ(counts.allocations, 0);
  EXPECT_EQ(counts.locks, 0);
  EXPECT_EQ(scene.desktop.clicked, 0u);
  EXPECT_TRUE(scene.watch.WatchActive);
}

}  // namespace
}  // namespace sc
