// The seam to the operating system. Everything the program asks of Windows goes
// through these small interfaces; win32/ implements them over the real API and
// sim/ keeps an in-memory Windows for tests. Values and error codes are the
// Win32 ones, so both backends can be held to one contract.
#pragma once

#include <cstdint>
#include <string>

#include "util/fixed_text.h"

namespace sc {

using WindowHandle = std::uintptr_t;  // an HWND; 0 is "none"
using RegKey = std::uintptr_t;        // an open HKEY
using ThreadHandle = std::uintptr_t;  // a thread HANDLE; 0 is "none"

enum class RegRoot { LocalMachine, CurrentUser };

// Win32 error codes that the logic tells apart.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorPathNotFound = 3;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorInvalidName = 123;
constexpr long kErrorAlreadyExists = 183;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyRead = 0x20019;

constexpr std::uint32_t kRegCreatedNewKey = 1;
constexpr std::uint32_t kRegOpenedExistingKey = 2;

constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kFileAttributeArchive = 0x20;

constexpr std::uint32_t kDriveUnknown = 0;
constexpr std::uint32_t kDriveNoRootDir = 1;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kDriveCdrom = 5;

constexpr int kSwHide = 0;
constexpr int kSwShow = 5;
// ShellExecuteA answers more than this when it started the file.
constexpr std::intptr_t kShellStarted = 32;

constexpr std::uint32_t kStillActive = 259;

// The registry, with the semantics of the ...ExA calls: a query copies the
// stored bytes as they are (a REG_SZ need not end in a zero) and answers
// kErrorMoreData when the buffer is too small; a null data pointer asks for the
// size only. `name` null or "" is the key's default value. Setting a string
// type whose last byte is not a zero reads the byte after `size`, and stores it
// too when it is a zero (so strlen() bytes of a C string keep their zero).
class Registry {
 public:
  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;
  virtual ~Registry() = default;

  virtual long createKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key,
                         std::uint32_t* disposition) = 0;
  virtual long openKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key) = 0;
  virtual long openSubKey(RegKey parent, const char* name, std::uint32_t access, RegKey* key) = 0;
  virtual long queryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* size) = 0;
  virtual long setValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t size) = 0;
  // `nameSize` in: the buffer's size in bytes; out: the name's length.
  virtual long enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) = 0;
  virtual long closeKey(RegKey key) = 0;
};

// Facts about the running system and program.
class SystemInfo {
 public:
  SystemInfo() = default;
  SystemInfo(const SystemInfo&) = delete;
  SystemInfo& operator=(const SystemInfo&) = delete;
  virtual ~SystemInfo() = default;

  // GetVersionExA with a record of `recordSize` bytes (156 or 148).
  virtual bool getVersion(std::uint32_t recordSize, std::uint32_t* major) = 0;
  // GetModuleFileNameA into a 260-byte buffer: at most 259 characters.
  virtual std::string modulePath() = 0;
  // GetCommandLineA.
  virtual std::string commandLine() = 0;
  // GetSystemMetrics(SM_CXFULLSCREEN).
  virtual int fullScreenWidth() = 0;
  // GetLocalTime, as GetDateFormatA (short date) and GetTimeFormatA (no
  // seconds) write it in the user's format, joined by a blank and cut to 63
  // characters; "" when Windows formats neither.
  virtual void localTime(FixedText<64>& text) = 0;
  // The clock time alone, as GetTimeFormatA writes it (no seconds): "1:12 AM";
  // "" when Windows cannot format it.
  virtual void clockTime(FixedText<64>& text) = 0;
};

class FileSystem {
 public:
  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  virtual ~FileSystem() = default;

  // FindFirstFileA (closing the search at once): the attributes of the first
  // entry found, or false when the search fails.
  virtual bool findFirst(const char* path, std::uint32_t* attributes) = 0;
  // GetFileAttributesA: false when it answers INVALID_FILE_ATTRIBUTES.
  virtual bool attributes(const char* path, std::uint32_t* attributes) = 0;
  // GetDriveTypeA on a root path such as "E:\".
  virtual std::uint32_t driveType(const char* rootPath) = 0;
};

class Shell {
 public:
  Shell() = default;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;
  virtual ~Shell() = default;

  // ShellExecuteA; the result is the instance value (> 32 on success).
  virtual std::intptr_t execute(WindowHandle owner, const char* operation, const char* file,
                                const char* parameters, const char* directory, int showCommand) = 0;
};

// The message that wakes the main window from another thread: WM_APP + 2,
// posted with no parameters. It carries nothing, so one forged by another
// program can only make the window look at what its own threads have flagged.
constexpr std::uint32_t kWakeMessage = 0x8000 + 2;

// Other programs' windows: finding and closing them, walking the top-level
// windows and their controls, clicking a control, and waking the program's own
// window. The walk, the clicks and the wake are called from the responder's
// thread, which is terminated from outside wherever it is: so the real backend
// keeps no state, allocates nothing and takes no lock in them. Windows come and
// go during a walk: a call on a window that no longer exists answers 0, "",
// false, or does nothing.
class Desktop {
 public:
  Desktop() = default;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  virtual ~Desktop() = default;

  // FindWindowA(nullptr, title).
  virtual WindowHandle findWindowByTitle(const char* title) = 0;
  // SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, waitMs):
  // waits while the window's thread handles the message, but no longer than
  // `waitMs`, and not at all when the system already takes that thread for
  // hung. Messages sent to the caller's own windows meanwhile are handled.
  // True when the window answered in time; false when it did not, or does not
  // exist. A window that did not answer may still handle the message later.
  virtual bool sendClose(WindowHandle window, std::uint32_t waitMs) = 0;

  // GetWindow(window, GW_HWNDFIRST): the top-level window highest in the Z order.
  virtual WindowHandle firstWindow(WindowHandle window) = 0;
  // GetWindow(window, GW_HWNDNEXT); 0 at the end.
  virtual WindowHandle nextWindow(WindowHandle window) = 0;
  // GetClassNameA into the caller's 256-byte buffer: at most 255 characters,
  // cut; "" when the call fails.
  virtual void className(WindowHandle window, FixedText<256>& name) = 0;
  // FindWindowExA(parent, after, nullptr, nullptr): the direct child after `after` (0: the first).
  virtual WindowHandle nextChild(WindowHandle parent, WindowHandle after) = 0;
  // IsWindowVisible: false when the window or any of its parents is hidden.
  virtual bool isVisible(WindowHandle window) = 0;
  // The left edge of GetWindowRect, in screen coordinates; false if the call fails.
  virtual bool windowLeft(WindowHandle window, int* left) = 0;
  virtual void setForeground(WindowHandle window) = 0;
  // Restores the window, or the window that owns it and stands for it on the
  // taskbar, when it is minimized; then SetForegroundWindow.
  virtual void bringToFront(WindowHandle window) = 0;
  // SendMessageA(window, WM_LBUTTONDOWN / WM_LBUTTONUP, wParam, lParam).
  virtual void sendMouseDown(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual void sendMouseUp(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // PostMessageA(window, kWakeMessage, 0, 0): returns at once, whatever the
  // window's thread is doing.
  virtual void postWake(WindowHandle window) = 0;
};

class Threads {
 public:
  using Routine = std::uint32_t (*)(void* argument);

  Threads() = default;
  Threads(const Threads&) = delete;
  Threads& operator=(const Threads&) = delete;
  virtual ~Threads() = default;

  // CreateThread(no security, default stack, routine, argument, run at once).
  virtual ThreadHandle create(Routine routine, void* argument) = 0;
  virtual bool exitCode(ThreadHandle thread, std::uint32_t* code) = 0;
  virtual bool terminate(ThreadHandle thread, std::uint32_t code) = 0;
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

// One copy of the program per logon session.
class SingleInstance {
 public:
  SingleInstance() = default;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  virtual ~SingleInstance() = default;

  // A named mutex in the session's Local\ namespace, kept until the process
  // ends: kErrorSuccess when this call made it, kErrorAlreadyExists when it
  // was already held (by any process, this one included), any other error
  // when it cannot be made. Names are compared case-sensitively; a name with
  // a backslash or an empty one cannot be made.
  virtual long claim(const char* name) = 0;
  // A named mutex of the same name in the Global\ namespace, kept until the
  // process ends, only as a sign to setups that the program runs, in this
  // session or another user's. True when this process holds it, whether it
  // made it or another copy had; false when it cannot be had (a name that
  // cannot be made, no Global\ namespace, a restricted account), which must
  // change nothing.
  virtual bool signalRunning(const char* name) = 0;
};

// What the program tells Windows about the session it runs in: that the PC
// must not go to sleep on idle while a job runs (a robot job has no user input,
// and the robot's and the player's work do not count as activity), and why it
// refuses to let the session end.
class Session {
 public:
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  virtual ~Session() = default;

  // SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) when `on`,
  // ES_CONTINUOUS alone when not: for the calling thread, until it says
  // otherwise. The display may still turn off. True when the system was kept
  // awake this way before the call.
  virtual bool keepAwake(bool on) = 0;
  // ShutdownBlockReasonCreate(window, reason): the text Windows shows beside
  // the program while it refuses to let the session end. False where Windows
  // has no such call (XP) or it failed; `window` must be the caller's own.
  virtual bool giveShutdownReason(WindowHandle window, const char* reason) = 0;
  // ShutdownBlockReasonDestroy(window); nothing where Windows has no such call.
  virtual void withdrawShutdownReason(WindowHandle window) = 0;
};

// How the taskbar button shows a long task; the values are ITaskbarList3's.
enum class TaskbarProgress : std::uint32_t { None = 0, Indeterminate = 1, Error = 4, Paused = 8 };

// The program's button on the taskbar, seen from across the room: the state of
// a long task and the tooltip of its thumbnail (ITaskbarList3, Windows 7 on),
// and a flash that calls the user (every Windows). `window` is one of the
// program's own; the button is the one that stands for it, its owner's when it
// has an owner. Where Windows has no such button (XP, Vista) or a call fails,
// nothing shows, the call answers false, and nothing else changes.
class Taskbar {
 public:
  Taskbar() = default;
  Taskbar(const Taskbar&) = delete;
  Taskbar& operator=(const Taskbar&) = delete;
  virtual ~Taskbar() = default;

  // ITaskbarList3::SetProgressState. Paused and error are drawn as a bar at
  // the button's last value, so with them the bar is also set full
  // (SetProgressValue, after the state: set before, it would show the normal
  // green for a moment).
  virtual bool setProgress(WindowHandle window, TaskbarProgress progress) = 0;
  // ITaskbarList3::SetThumbnailTooltip, with the text in the ANSI code page;
  // "" gives the button its window's title back.
  virtual bool setTooltip(WindowHandle window, const char* text) = 0;
  // FlashWindowEx(FLASHW_TRAY | FLASHW_TIMERNOFG): the button flashes until
  // the program comes to the foreground.
  virtual void flash(WindowHandle window) = 0;
  // Whether the foreground window belongs to this program.
  virtual bool programInForeground() = 0;
};

// Starting a program of the user's own (the notify command) as the user wrote
// it, with an environment the program made: no shell, no window, no handle
// inherited or kept, never waited for.
class Launcher {
 public:
  Launcher() = default;
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;
  virtual ~Launcher() = default;

  // ExpandEnvironmentStringsA with the program's own environment: "%NAME%"
  // becomes the variable's value; a reference to no variable stays as
  // written. The text unchanged when the call fails.
  virtual std::string expand(const std::string& text) = 0;
  // GetEnvironmentStringsA, copied: "NAME=value" entries in Windows' order,
  // each ended by a zero, and a zero after the last; "" when there is none.
  virtual std::string environment() = 0;
  // The user's profile folder: the USERPROFILE variable, else the shell's
  // (CSIDL_PROFILE); "" when neither is known.
  virtual std::string profileFolder() = 0;
  // CreateProcessA(nullptr, a writable copy of `commandLine`, no inherited
  // handles, CREATE_NO_WINDOW, the ANSI `environment` block, `folder` as the
  // current folder, or the program's own when ""), both handles closed at
  // once. kErrorSuccess, or the error with Windows' own text for it
  // (FormatMessageA, trailing blanks and line breaks cut) in `errorText`.
  virtual long start(const std::string& commandLine, const std::string& environment,
                     const std::string& folder, std::string& errorText) = 0;
};

// The platform as the composition root hands it to the program.
struct Platform {
  Registry& registry;
  SystemInfo& system;
  FileSystem& files;
  Shell& shell;
  Desktop& desktop;
  Threads& threads;
  SingleInstance& instance;
  Session& session;
  Taskbar& taskbar;
  Launcher& launcher;
};

}  // namespace sc
