#include "notice_sender.h"

#include <windows.h>

namespace sc::tools {

std::string SendNotice(const std::string& caller, const Notice& notice) {
  HWND window = FindWindowA(nullptr, caller.c_str());
  if (window == nullptr) return "no-window";
  NoticeBytes bytes = BuildNotice(notice);
  COPYDATASTRUCT data = {};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(bytes.size());
  data.lpData = bytes.data();
  DWORD_PTR answer = 0;
  // A time-out rather than a plain send: a hung receiver must not keep the
  // manager, and the robot lock it holds, forever.
  LRESULT ok = SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                   SMTO_NORMAL, 10000, &answer);
  return ok ? "delivered" : "failed";
}

}  // namespace sc::tools
