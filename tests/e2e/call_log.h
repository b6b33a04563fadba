// The file a logging stand-in DLL writes its calls to: a line a call, opened
// and closed each time, so that a test reads every line the moment it is
// written and a killed program loses none.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstdio>

namespace call_log {

// The log's path, set once when the DLL is loaded.
inline char gPath[MAX_PATH + 8] = {};

inline void Log(const char* format, ...) {
  FILE* log = std::fopen(gPath, "a");
  if (log == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(log, format, arguments);
  va_end(arguments);
  std::fputc('\n', log);
  std::fclose(log);
}

}  // namespace call_log
