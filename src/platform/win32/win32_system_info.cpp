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

namespace {

// The moment as Windows writes it for the user, in a buffer that a call that
// fails leaves empty: the short date, or the clock time without seconds.
std::string DateText(const SYSTEMTIME& moment) {
  char text[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, text, sizeof text - 1);
  return text;
}

std::string ClockText(const SYSTEMTIME& moment) {
  char text[64] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &moment, nullptr, text, sizeof text - 1);
  return text;
}

}  // namespace

void Win32SystemInfo::localTime(FixedText<64>& text) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string date = DateText(now);
  const std::string time = ClockText(now);
  AssignCut(text, date + (!date.empty() && !time.empty() ? " " : "") + time);
}

void Win32SystemInfo::clockTime(FixedText<64>& text) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  AssignCut(text, ClockText(now));
}

}  // namespace sc::win32
