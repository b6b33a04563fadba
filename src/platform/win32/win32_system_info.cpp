#include "platform/win32/win32_system_info.h"

#include <windows.h>

namespace sc::win32 {

bool Win32SystemInfo::getVersion(std::uint32_t recordSize, std::uint32_t* major) {
  // The extended record is the larger one, so it can carry either request;
  // the system fills only as much as dwOSVersionInfoSize announces.
  OSVERSIONINFOEXA info = {};
  if (recordSize > sizeof info) return false;
  info.dwOSVersionInfoSize = recordSize;
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
  *major = info.dwMajorVersion;
  return true;
}

std::string Win32SystemInfo::modulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  // A cut path may come back without its zero on older systems: trust only
  // the length, and never more than the buffer holds.
  return std::string(path, length < sizeof path ? length : sizeof path - 1);
}

std::string Win32SystemInfo::commandLine() {
  const char* line = GetCommandLineA();
  return line != nullptr ? line : "";
}

int Win32SystemInfo::fullScreenWidth() { return GetSystemMetrics(SM_CXFULLSCREEN); }

void Win32SystemInfo::localTime(FixedText<64>& text) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  // A call that fails leaves its buffer as it was: empty.
  char date[64] = {};
  char time[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &now, nullptr, time, sizeof time);
  date[sizeof date - 1] = 0;
  time[sizeof time - 1] = 0;
  const std::string joined = std::string(date) + (date[0] && time[0] ? " " : "") + time;
  AssignCut(text, joined);
}

}  // namespace sc::win32
