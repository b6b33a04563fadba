#include "harness.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

// The build passes Unix paths; under Wine the Unix root is drive Z:.
std::string FromUnixPath(const char* unixPath) {
  if (!unixPath || !*unixPath) return std::string();
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// The program and the robot are 32-bit; so is this test, but say it anyway.
constexpr REGSAM kView = KEY_WOW64_32KEY;

}  // namespace

std::string Built::spoolcat() { return FromUnixPath(E2E_SPOOLCAT_EXE); }
std::string Built::ketmgr() { return FromUnixPath(E2E_KETMGR_EXE); }
std::string Built::wmplayer() { return FromUnixPath(E2E_WMPLAYER_EXE); }
std::string Built::itunes() { return FromUnixPath(E2E_ITUNES_EXE); }
std::string Built::notifyLog() { return FromUnixPath(E2E_NOTIFY_LOG_EXE); }
std::string Built::help() { return FromUnixPath(E2E_SPOOLCAT_CHM); }
std::string Built::setup() { return FromUnixPath(E2E_SETUP_EXE); }
std::string Built::olderSetup() { return FromUnixPath(E2E_OLDER_SETUP_EXE); }
std::string Built::taskbarLog() { return FromUnixPath(E2E_TASKBAR_LOG_DLL); }

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD stepMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(stepMs);
  }
}

// --- registry ---------------------------------------------------------------

bool Reg::KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void Reg::DeleteTree(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | kView, &key) != ERROR_SUCCESS) return;
  RegDeleteTreeA(key, nullptr);
  RegCloseKey(key);
  RegDeleteKeyExA(root, path.c_str(), kView, 0);
}

void Reg::DeleteValue(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE | kView, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

std::optional<std::string> Reg::String(HKEY root, const std::string& path,
                                       const std::string& name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  LONG rc =
      RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(data);
}

std::optional<DWORD> Reg::Dword(HKEY root, const std::string& path, const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  LONG rc =
      RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
  return value;
}

namespace {

HKEY CreateKey(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kView, nullptr, &key,
                  nullptr);
  return key;
}

}  // namespace

void Reg::SetString(HKEY root, const std::string& path, const std::string& name,
                    const std::string& value) {
  if (HKEY key = CreateKey(root, path)) {
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
}

void Reg::SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  if (HKEY key = CreateKey(root, path)) {
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
    RegCloseKey(key);
  }
}

namespace {
constexpr const char* kAppDefaults = "Software\\Wine\\AppDefaults\\";
constexpr const char* kVersionedPrograms[] = {"spoolcat.exe", "ketmgr.exe"};
constexpr const char* kX11Driver = "Software\\Wine\\X11 Driver";
constexpr const char* kWmpKey = "SOFTWARE\\Microsoft\\MediaPlayer";
constexpr const char* kITunesKey = "SOFTWARE\\Clients\\Media\\iTunes";
}  // namespace

void ResetRegistry() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    Reg::DeleteTree(root, "SOFTWARE\\Venmora");
  }
  for (const char* exe : kVersionedPrograms) {
    Reg::DeleteTree(HKEY_CURRENT_USER, std::string(kAppDefaults) + exe);
  }
  Reg::DeleteValue(HKEY_CURRENT_USER, kX11Driver, "Managed");
  // Wine keeps a MediaPlayer key of its own; only the value the program reads goes.
  Reg::DeleteValue(HKEY_LOCAL_MACHINE, kWmpKey, "Installation Directory");
  Reg::DeleteTree(HKEY_LOCAL_MACHINE, kITunesKey);
}

void PretendWindowsVersion(const std::string& wineVersion) {
  for (const char* exe : kVersionedPrograms) {
    Reg::SetString(HKEY_CURRENT_USER, std::string(kAppDefaults) + exe, "Version", wineVersion);
  }
}

void CloseWindowsAtOnce() { Reg::SetString(HKEY_CURRENT_USER, kX11Driver, "Managed", "N"); }

void RegisterWindowsMediaPlayer(const std::string& installDir) {
  Reg::SetString(HKEY_LOCAL_MACHINE, kWmpKey, "Installation Directory", installDir);
}

void RegisterITunes(const std::string& command) {
  Reg::SetString(HKEY_LOCAL_MACHINE, std::string(kITunesKey) + "\\shell\\open\\command", "",
                 command);
}

// --- files ------------------------------------------------------------------

void EmptyFolder(const std::string& dir) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = dir + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(path);
      RemoveDirectoryA(path.c_str());
    } else {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

InstallDir::InstallDir(const std::string& name) : path_("C:\\spoolcat-e2e\\" + name) {
  CreateDirectoryA("C:\\spoolcat-e2e", nullptr);
  EmptyFolder(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

void InstallDir::Add(const std::string& source, const std::string& name) const {
  CopyFileA(source.c_str(), file(name).c_str(), FALSE);
}

void InstallDir::Write(const std::string& name, const std::string& content) const {
  std::ofstream(file(name), std::ios::binary) << content;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int CountLines(const std::string& path, const std::string& needle) {
  int count = 0;
  for (const std::string& line : ReadLines(path)) {
    if (line.find(needle) != std::string::npos) ++count;
  }
  return count;
}

std::optional<std::string> WaitForLine(const std::string& path, const std::string& needle,
                                       DWORD timeoutMs) {
  std::optional<std::string> found;
  WaitUntil(
      [&] {
        for (const std::string& line : ReadLines(path)) {
          if (line.find(needle) != std::string::npos) {
            found = line;
            return true;
          }
        }
        return false;
      },
      timeoutMs, 100);
  return found;
}

// --- processes --------------------------------------------------------------

bool Process::Start(const std::string& exe, const std::string& args, const std::string& dir,
                    const std::string& desktop) {
  Kill();
  std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::vector<char> desktopName(desktop.begin(), desktop.end());
  desktopName.push_back('\0');
  if (!desktop.empty()) startup.lpDesktop = desktopName.data();
  return CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &startup, &info_) != 0;
}

bool Process::StartTraced(const std::string& exe, const std::string& dir,
                          const std::string& channels, const std::string& traceFile) {
  Kill();
  // Wine writes a program's trace to the Unix standard error it inherits, and
  // turns only a Unix program's standard output handle into its descriptor:
  // so the program is started by a shell (a Unix program that Wine starts as
  // one) whose standard output is the trace file and whose standard error goes
  // there too. Wine runs it on this prefix; the shell sets the channels for it
  // alone.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE trace = CreateFileA(traceFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (trace == INVALID_HANDLE_VALUE) return false;
  SetFilePointer(trace, 0, nullptr, FILE_END);
  const std::string name = exe.substr(exe.find_last_of('\\') + 1);
  const std::vector<DWORD> before = ProcessesNamed(name);
  std::string commandLine =
      "/bin/sh -c \"WINEDEBUG=" + channels + " exec wine '" + exe + "' 2>&1\"";
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = trace;
  startup.hStdError = trace;
  PROCESS_INFORMATION shell{};
  const bool started = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      dir.empty() ? nullptr : dir.c_str(), &startup, &shell) != 0;
  CloseHandle(trace);
  if (!started) return false;
  // A Unix program's handles stand for nothing that can be waited on.
  if (shell.hThread) CloseHandle(shell.hThread);
  if (shell.hProcess) CloseHandle(shell.hProcess);
  DWORD id = 0;
  WaitUntil(
      [&] {
        for (DWORD candidate : ProcessesNamed(name))
          if (std::find(before.begin(), before.end(), candidate) == before.end()) id = candidate;
        return id != 0;
      },
      15000);
  info_.hProcess =
      id != 0 ? OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, id)
              : nullptr;
  info_.dwProcessId = info_.hProcess != nullptr ? id : 0;
  return info_.hProcess != nullptr;
}

std::optional<DWORD> RunToEnd(const std::string& systemProgram, const std::string& args,
                              DWORD timeoutMs) {
  Process program;
  if (!program.Start("C:\\windows\\system32\\" + systemProgram, args, "")) return std::nullopt;
  program.WaitExit(timeoutMs);
  // None while it still runs; leaving this scope ends it.
  return program.ExitCode();
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs) const {
  return !info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (!info_.hProcess || !GetExitCodeProcess(info_.hProcess, &code) || code == STILL_ACTIVE) {
    return std::nullopt;
  }
  return code;
}

void Process::Kill() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
  info_ = PROCESS_INFORMATION{};
}

std::vector<DWORD> ProcessesNamed(const std::string& exeName) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32First(snapshot, &entry); ok; ok = Process32Next(snapshot, &entry)) {
    if (_stricmp(entry.szExeFile, exeName.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

int KillAll(const std::string& exeName) {
  int count = 0;
  for (DWORD id : ProcessesNamed(exeName)) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    ++count;
  }
  return count;
}

int CountProcesses(const std::string& exeName) {
  return static_cast<int>(ProcessesNamed(exeName).size());
}

// --- windows ----------------------------------------------------------------

namespace {

// 32-bit Windows callbacks are stdcall, which a lambda cannot be.
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM out) {
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::string Text(HWND hwnd) {
  char buf[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                           SMTO_ABORTIFHUNG, 5000, &copied)) {
    return std::string();
  }
  buf[sizeof buf - 1] = '\0';
  return buf;
}

std::vector<HWND> TopLevelWindowsTitled(const std::string& title) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> titled;
  for (HWND hwnd : all) {
    if (Text(hwnd) == title) titled.push_back(hwnd);
  }
  return titled;
}

HWND WaitForWindow(const std::string& title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowA(nullptr, title.c_str())) != nullptr; }, timeoutMs);
  return found;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> owned;
  for (HWND hwnd : all) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == processId && IsWindowVisible(hwnd)) owned.push_back(hwnd);
  }
  return owned;
}

std::vector<HWND> Children(HWND top) {
  std::vector<HWND> all;
  EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::string ClassName(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool TopMost(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

HWND Control(HWND top, int id) {
  // The window's own controls first: the writer list's edit field is always
  // 1001, the company link's ID.
  if (HWND direct = GetDlgItem(top, id)) return direct;
  for (HWND hwnd : Children(top)) {
    if (GetDlgCtrlID(hwnd) == id) return hwnd;
  }
  return nullptr;
}

bool Enabled(HWND top, int id) {
  HWND control = Control(top, id);
  return control && IsWindowEnabled(control);
}

bool Visible(HWND top, int id) {
  HWND control = Control(top, id);
  return control && IsWindowVisible(control);
}

bool Checked(HWND top, int id) {
  HWND control = Control(top, id);
  return control && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND top, int id) {
  if (HWND control = Control(top, id)) PostMessageA(control, BM_CLICK, 0, 0);
}

bool SendClose(HWND top, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(top, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result);
  return WaitUntil([&] { return !IsWindow(top); }, timeoutMs);
}

std::vector<HWND> MessageBoxesOf(DWORD processId, const std::string& title) {
  std::vector<HWND> boxes;
  for (HWND hwnd : TopLevelWindowsOf(processId)) {
    if (ClassName(hwnd) == "#32770" && Text(hwnd) == title) boxes.push_back(hwnd);
  }
  return boxes;
}

// --- messages from another program -------------------------------------------

namespace {

// Source[64], Action[32], Result[32], Detail[260]; each text keeps its zero.
constexpr std::size_t kNoticeSize = 388;

void PutField(char* record, std::size_t offset, std::size_t width, const std::string& text) {
  std::memcpy(record + offset, text.data(), std::min(text.size(), width - 1));
}

}  // namespace

bool SendNotice(HWND window, const std::string& action, const std::string& result,
                const std::string& detail, DWORD timeoutMs) {
  char record[kNoticeSize] = {};
  PutField(record, 0, 64, "Autoloader");
  PutField(record, 64, 32, action);
  PutField(record, 96, 32, result);
  PutField(record, 128, 260, detail);
  COPYDATASTRUCT data{};
  data.cbData = sizeof record;
  data.lpData = record;
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
}

bool PostDeviceChange(HWND window, WPARAM event, LPARAM lParam) {
  return PostMessageA(window, WM_DEVICECHANGE, event, lParam) != 0;
}

bool SendDeviceChange(HWND window, WPARAM event, LPARAM lParam, DWORD timeoutMs) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_DEVICECHANGE, event, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                             &answer) != 0;
}

}  // namespace e2e
