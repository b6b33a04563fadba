// notify-log.exe: appends what it was started with (its command line, its
// SPOOLCAT_* variables, its current folder) to a log, then ends, or with
// --hang never ends, like a command stuck on a mail server.
//
//   notify-log.exe [log path] [--hang]
//
// Without a path the log is notify-log.log beside the executable.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "files.h"
#include "notify_record.h"

namespace sc::tools {
namespace {

std::vector<std::string> EnvironmentEntries() {
  std::vector<std::string> entries;
  char* block = GetEnvironmentStringsA();
  if (block == nullptr) return entries;
  for (const char* entry = block; *entry != '\0'; entry += std::strlen(entry) + 1) {
    entries.emplace_back(entry);
  }
  FreeEnvironmentStringsA(block);
  return entries;
}

std::string CurrentFolder() {
  char folder[MAX_PATH + 1] = {};
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : "";
}

// One append of the whole record, so records of commands started close
// together never interleave.
void Append(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

int Run() {
  NotifyLogOptions options =
      ParseNotifyLogArgs(std::vector<std::string>(__argv + 1, __argv + __argc));
  std::string path = options.log_path.empty() ? BesideExe("notify-log.log") : options.log_path;

  NotifyRecord record;
  record.pid = GetCurrentProcessId();
  record.command_line = GetCommandLineA();
  record.folder = CurrentFolder();
  record.variables = SelectNotifyVariables(EnvironmentEntries());
  Append(path, FormatNotifyRecord(record));

  if (options.hang) {
    for (;;) Sleep(INFINITE);
  }
  return 0;
}

}  // namespace
}  // namespace sc::tools

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return sc::tools::Run(); }
