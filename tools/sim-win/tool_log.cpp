#include "tool_log.h"

#include <windows.h>

#include "log_line.h"

namespace sc::tools {

void ToolLog::Write(const std::string& body) const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  Stamp stamp{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
              now.wMinute, now.wSecond, now.wMilliseconds};
  std::string line = LogLine(stamp, GetCurrentProcessId(), body);
  // FILE_APPEND_DATA alone makes every write land at the current end of file,
  // even with other processes appending at the same moment.
  HANDLE file = CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace sc::tools
