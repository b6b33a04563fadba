// A small harness for driving the real spoolcat.exe and the substitute
// programs under Wine, from outside, as a person or the robot would: files
// laid out in an install folder, registry keys set and read, processes started
// and killed, windows found, read and clicked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Control IDs of the main window: 1000 + creation order; radio items 1100 + i.
enum ControlId : int {
  kVersion = 1000,
  kCompany = 1001,
  kStatus = 1002,
  kImage = 1003,
  kRipping = 1004,
  kWriters = 1005,
  kMemo = 1006,
  kExit = 1007,
  kHelp = 1008,
  kPlayers = 1009,
  kRipUnidentified = 1010,
  kRejectUnidentified = 1011,
  kReplaceSongs = 1012,
  kFirstPlayerItem = 1100,
};

constexpr const char* kMainCaption = "Spoolcat:";

// The program's own key and the robot software's, under the root the program
// chooses by the Windows version.
constexpr const char* kSettingsKey = "SOFTWARE\\Venmora\\Spoolcat";
constexpr const char* kRobotKey = "SOFTWARE\\Venmora\\Kelvomat";

// The built executables, as Windows paths; empty when the build has none.
struct Built {
  static std::string spoolcat();
  static std::string ketmgr();
  static std::string wmplayer();
  static std::string itunes();
  // A notify command that logs what it was started with (tools/notify-log).
  static std::string notifyLog();
  // The help document built beside spoolcat.exe.
  static std::string help();
  // The release's setup (dist/), made by scripts/package.sh, not by the build.
  static std::string setup();
  // The same files under the lower version 0.0.0.1, made beside the release.
  static std::string olderSetup();
  // A taskbar object that logs every call (taskbar_log/).
  static std::string taskbarLog();
};

// Polls `done` every `stepMs` until it holds or `timeoutMs` have passed.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD stepMs = 50);

// --- registry, always the 32-bit view the program itself sees ---------------
struct Reg {
  static bool KeyExists(HKEY root, const std::string& path);
  static void DeleteTree(HKEY root, const std::string& path);
  static void DeleteValue(HKEY root, const std::string& path, const std::string& name);
  static std::optional<std::string> String(HKEY root, const std::string& path,
                                           const std::string& name);
  static std::optional<DWORD> Dword(HKEY root, const std::string& path, const std::string& name);
  static void SetString(HKEY root, const std::string& path, const std::string& name,
                        const std::string& value);
  static void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
};

// Removes everything a run of the program or the substitutes leaves in the
// registry: both roots of the program's and the robot's keys, the players'
// registrations, the Windows version overrides and Wine's window management.
void ResetRegistry();

// Makes spoolcat.exe and the substitute manager see one Windows version,
// named as Wine names it ("winxp", "win7", "win10"): the robot software runs
// on the same Windows as the program, so both choose the same root.
void PretendWindowsVersion(const std::string& wineVersion);

// Without a window manager Wine waits about 2 s whenever a window it manages
// goes away. Programs started after this call get unmanaged windows, which
// close at once, as they do on Windows.
void CloseWindowsAtOnce();

// Registers the substitute players the way the real ones register.
void RegisterWindowsMediaPlayer(const std::string& installDir);
void RegisterITunes(const std::string& command);

// --- files ------------------------------------------------------------------
// A fresh folder C:\spoolcat-e2e\<name>, emptied first.
class InstallDir {
 public:
  explicit InstallDir(const std::string& name);
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "\\" + name; }
  // Copies `source` into the folder as `name`.
  void Add(const std::string& source, const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

// Deletes everything inside `dir` (e.g. "E:" for a disc left in the drive).
void EmptyFolder(const std::string& dir);

std::vector<std::string> ReadLines(const std::string& path);
// The file's size in bytes; 0 when it does not exist.
std::uint64_t FileSize(const std::string& path);
// How many lines of the file contain `needle`.
int CountLines(const std::string& path, const std::string& needle);
// Waits until a line of the file contains `needle`; returns that line.
std::optional<std::string> WaitForLine(const std::string& path, const std::string& needle,
                                       DWORD timeoutMs);

// --- processes --------------------------------------------------------------
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() { Kill(); }

  // `desktop` names the desktop the program runs on; empty: the caller's.
  bool Start(const std::string& exe, const std::string& args, const std::string& dir,
             const std::string& desktop = "");
  // Started with Wine's debug channels `channels` (WINEDEBUG) on, its
  // standard output and error, where Wine writes them, appended to the file
  // `traceFile`.
  bool StartTraced(const std::string& exe, const std::string& dir, const std::string& channels,
                   const std::string& traceFile);
  bool Running() const;
  DWORD id() const { return info_.dwProcessId; }
  // The exit code once the process has ended; none while it runs.
  std::optional<DWORD> ExitCode() const;
  // Waits for the process to end by itself; false on time-out.
  bool WaitExit(DWORD timeoutMs) const;
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// Runs a program of the system folder (e.g. "wineboot.exe", "-e -s") to its
// end: its exit code, none when it did not end within `timeoutMs`.
std::optional<DWORD> RunToEnd(const std::string& systemProgram, const std::string& args,
                              DWORD timeoutMs);

// Ends every process whose executable file is named `exeName` (e.g. started
// by spoolcat.exe rather than by the test). Returns how many there were.
int KillAll(const std::string& exeName);
int CountProcesses(const std::string& exeName);
std::vector<DWORD> ProcessesNamed(const std::string& exeName);

// --- windows ----------------------------------------------------------------
std::vector<HWND> TopLevelWindowsTitled(const std::string& title);
HWND WaitForWindow(const std::string& title, DWORD timeoutMs);
// The visible top-level windows of one process, e.g. the boxes it shows.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
std::vector<HWND> Children(HWND top);
std::string ClassName(HWND hwnd);
// In the top-most layer (WS_EX_TOPMOST), above every normal window.
bool TopMost(HWND hwnd);
HWND Control(HWND top, int id);
std::string Text(HWND hwnd);
bool Enabled(HWND top, int id);
bool Visible(HWND top, int id);
bool Checked(HWND top, int id);
// A click as the user makes it; posted, so a modal box it opens cannot block.
void Click(HWND top, int id);
// Sends WM_CLOSE; true when the window went away.
bool SendClose(HWND top, DWORD timeoutMs);
// The message boxes of one process: standard dialogs titled `title`.
std::vector<HWND> MessageBoxesOf(DWORD processId, const std::string& title);

// --- messages from another program -------------------------------------------
// A notice as the manager sends it: a 388-byte record (Source "Autoloader",
// Action, Result, Detail) in WM_COPYDATA. True when the window took it in time.
bool SendNotice(HWND window, const std::string& action, const std::string& result,
                const std::string& detail, DWORD timeoutMs = 5000);
// WM_DEVICECHANGE with whatever the sender puts in lParam. Events without the
// 0x8000 bit carry no record, so the system passes lParam on untouched.
bool PostDeviceChange(HWND window, WPARAM event, LPARAM lParam);
bool SendDeviceChange(HWND window, WPARAM event, LPARAM lParam, DWORD timeoutMs);

}  // namespace e2e
