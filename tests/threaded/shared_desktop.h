// A desktop that two threads use at once, as the real one is: the responder
// walks, examines and clicks from its thread while the window thread (the
// test) opens and closes dialogs and takes the wakes posted to the main
// window. The simulated desktop keeps its windows in containers that one
// thread at a time may touch, so it cannot stand in here.
//
// Windows live in a fixed table of slots whose fields are relaxed atomics: the
// desktop allocates nothing and takes no lock, and it orders nothing between
// the threads of its own. Whatever the program shares between its threads it
// must order itself, or ThreadSanitizer reports it. A walk may meet a window
// half opened or half closed, as it may on the real desktop.
//
// Class names and titles are kept as pointers: pass literals, or texts that
// outlive the desktop.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace sc::testing {

class SharedDesktop final : public Desktop {
 public:
  static constexpr std::size_t kSlots = 64;
  static constexpr std::size_t kMaxControls = 8;

  struct ControlSpec {
    const char* className;
    int left;
    bool visible = true;
  };
  struct OpenedDialog {
    WindowHandle window = 0;
    std::array<WindowHandle, kMaxControls> controls{};  // in the order given
  };

  // --- The window thread's side: only one thread opens and closes windows. ---
  WindowHandle openWindow(const char* className, const char* title);
  // A top-level window and its controls (at most kMaxControls); the controls
  // open first, so a walk never finds the window before its children.
  OpenedDialog openDialog(const char* className, const std::vector<ControlSpec>& controls);
  // The window first, then its children.
  void closeWindow(WindowHandle window);
  // The window the wakes are for.
  void setMainWindow(WindowHandle window) { mainWindow_.store(window, kRelaxed); }
  // The wakes posted to the main window since the last call.
  int takeWakes() { return wakes_.exchange(0, kRelaxed); }
  // Button-downs followed by a button-up on `button`, while it was open.
  int clicks(WindowHandle button) const;
  int mouseDowns(WindowHandle button) const;

  // --- Desktop, for either thread ---
  WindowHandle findWindowByTitle(const char* title) override;
  bool sendClose(WindowHandle, std::uint32_t) override { return false; }
  WindowHandle firstWindow(WindowHandle window) override;
  WindowHandle nextWindow(WindowHandle window) override;
  void className(WindowHandle window, FixedText<256>& name) override;
  WindowHandle nextChild(WindowHandle parent, WindowHandle after) override;
  bool isVisible(WindowHandle window) override;
  bool windowLeft(WindowHandle window, int* left) override;
  // Nothing here has a foreground: the clicks are what the test looks at.
  void setForeground(WindowHandle) override {}
  void bringToFront(WindowHandle) override {}
  void sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) override;
  void postWake(WindowHandle window) override;

 private:
  static constexpr std::memory_order kRelaxed = std::memory_order_relaxed;

  struct Slot {
    std::atomic<bool> open{false};
    std::atomic<WindowHandle> parent{0};
    std::atomic<const char*> className{""};
    std::atomic<const char*> title{""};
    std::atomic<bool> visible{false};
    std::atomic<int> left{0};
    std::atomic<bool> pressed{false};
    std::atomic<int> mouseDowns{0};
    std::atomic<int> clicks{0};
  };

  static WindowHandle handleOf(std::size_t index) { return 0x1000 + 4 * index; }
  // The slot of an open window, or null.
  Slot* openSlot(WindowHandle window);
  const Slot* anySlot(WindowHandle window) const;
  // The next open window under `parent` after slot `index` (kSlots: from the
  // first), or 0.
  WindowHandle following(WindowHandle parent, std::size_t index) const;
  // Fills a free slot, left closed; the slots are taken round the table, so a
  // closed window's handle comes back as late as it can.
  std::size_t take(WindowHandle parent, const char* className, const char* title, bool visible,
                   int left);

  std::array<Slot, kSlots> slots_;
  std::size_t nextFree_ = 0;  // the window thread's alone
  std::atomic<WindowHandle> mainWindow_{0};
  std::atomic<int> wakes_{0};
};

}  // namespace sc::testing
