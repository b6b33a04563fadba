// The taskbar through shell's TaskbarList object and user32. ole32 is loaded,
// and COM initialised on the calling thread (the window thread), the first
// time a state or a tooltip is shown: the program imports nothing Windows XP
// lacks, and starts no slower for a button that only a job needs.
#pragma once

#include "platform/platform.h"

struct ITaskbarList3;

namespace sc::win32 {

class Win32Taskbar final : public Taskbar {
 public:
  Win32Taskbar() = default;
  ~Win32Taskbar() override;

  bool setProgress(WindowHandle window, TaskbarProgress progress) override;
  bool setTooltip(WindowHandle window, const char* text) override;
  void flash(WindowHandle window) override;
  bool programInForeground() override;

 private:
  // The object, made when first needed and kept; null while Windows has
  // none (XP and Vista have no ITaskbarList3), so the next call asks again.
  ITaskbarList3* list();

  ITaskbarList3* list_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace sc::win32
