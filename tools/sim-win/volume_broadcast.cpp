#include "volume_broadcast.h"

#include <dbt.h>

#include <vector>

namespace sc::tools {
namespace {

BOOL CALLBACK CollectForeignWindow(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

const char* VolumeEventName(WPARAM event) {
  return event == DBT_DEVICEARRIVAL ? "DBT_DEVICEARRIVAL" : "DBT_DEVICEREMOVECOMPLETE";
}

int SendVolumeChange(WPARAM event, char drive) {
  DEV_BROADCAST_VOLUME volume = {};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << (drive - 'A');
  volume.dbcv_flags = 0;

  // BroadcastSystemMessage does not deliver this message under Wine, so each
  // window gets its own send; a hung window costs at most the time-out.
  std::vector<HWND> windows;
  EnumWindows(CollectForeignWindow, reinterpret_cast<LPARAM>(&windows));
  int sent = 0;
  for (HWND window : windows) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume),
                            SMTO_ABORTIFHUNG, 2000, &answer)) {
      ++sent;
    }
  }
  return sent;
}

}  // namespace sc::tools
