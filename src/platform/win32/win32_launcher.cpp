#include "platform/win32/win32_launcher.h"

#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <string>
#include <vector>

namespace sc::win32 {

namespace {

// Windows' own words for `error`, without the line break FormatMessageA ends
// them with; "Windows error N" when it has none.
std::string ErrorText(DWORD error) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string result(text, length < sizeof text ? length : 0);
  const std::size_t end = result.find_last_not_of(" \t\r\n");
  result.resize(end == std::string::npos ? 0 : end + 1);
  return result.empty() ? "Windows error " + std::to_string(error) : result;
}

}  // namespace

std::string Win32Launcher::expand(const std::string& text) {
  const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::vector<char> expanded(needed + 1, 0);
  const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1);
  if (written == 0 || written > needed + 1) return text;
  return expanded.data();
}

std::string Win32Launcher::environment() {
  // The ANSI block: GetEnvironmentStringsA is this name's macro in the headers.
  char* strings = GetEnvironmentStrings();
  if (strings == nullptr) return "";
  const char* end = strings;
  while (*end != '\0') end += std::char_traits<char>::length(end) + 1;
  const std::string block(strings, static_cast<std::size_t>(end + 1 - strings));
  FreeEnvironmentStringsA(strings);
  return block;
}

std::string Win32Launcher::profileFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableA("USERPROFILE", folder, sizeof folder);
  if (length > 0 && length < sizeof folder) return folder;
  // SHGetFolderPathA wants a buffer of MAX_PATH.
  folder[0] = '\0';
  if (SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, 0, folder) == S_OK) return folder;
  return "";
}

long Win32Launcher::start(const std::string& commandLine, const std::string& environment,
                          const std::string& folder, std::string& errorText) {
  // CreateProcessA may write into the command line: it gets a copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  std::vector<char> block(environment.begin(), environment.end());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      block.empty() ? nullptr : block.data(),
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    const DWORD error = GetLastError();
    errorText = ErrorText(error);
    return static_cast<long>(error);
  }
  // Never waited for: a command that never ends must not hold the program.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  errorText.clear();
  return kErrorSuccess;
}

}  // namespace sc::win32
