// The real Windows, as the entry point hands it to the program. This header
// does not pull in <windows.h>.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_launcher.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_session.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_taskbar.h"
#include "platform/win32/win32_threads.h"

namespace sc::win32 {

class Win32Platform {
 public:
  Win32Platform() = default;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform platform() {
    return Platform{registry_, system_,   files_,   shell_,   desktop_,
                    threads_,  instance_, session_, taskbar_, launcher_};
  }

 private:
  Win32Registry registry_;
  Win32SystemInfo system_;
  Win32FileSystem files_;
  Win32Shell shell_;
  Win32Desktop desktop_;
  Win32Threads threads_;
  Win32SingleInstance instance_;
  Win32Session session_;
  Win32Taskbar taskbar_;
  Win32Launcher launcher_;
};

}  // namespace sc::win32

namespace sc {
using win32::Win32Platform;
}  // namespace sc
