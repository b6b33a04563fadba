// scprobe: looks at and pokes the windows of other programs from outside, the
// way a person at the screen would. Used by the scripts and the end-to-end
// tests. Every subcommand prints plain lines on stdout; the exit code says
// whether the thing asked for was there (0), was not (1), or the window or
// control to work on was missing (2). Usage errors exit with 64.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kNo = 1;
constexpr int kMissing = 2;
constexpr int kUsage = 64;

// Messages to other processes go through SendMessageTimeout so that a hung or
// modal window cannot hang the probe.
constexpr UINT kSendTimeoutMs = 5000;

std::string windowText(HWND hwnd) {
  char buf[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
    return std::string();
  }
  buf[sizeof buf - 1] = '\0';
  return buf;
}

std::string className(HWND hwnd) {
  char buf[256] = {};
  GetClassNameA(hwnd, buf, sizeof buf);
  return buf;
}

DWORD processId(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

// 32-bit Windows callbacks are stdcall, which a lambda cannot be.
BOOL CALLBACK collectWindow(HWND hwnd, LPARAM out) {
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// All descendants: children and grandchildren (a radio button inside a group
// box is a grandchild of the main window).
std::vector<HWND> descendants(HWND top) {
  std::vector<HWND> found;
  EnumChildWindows(top, collectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND findControl(HWND top, int id) {
  for (HWND hwnd : descendants(top)) {
    if (GetDlgCtrlID(hwnd) == id) return hwnd;
  }
  return nullptr;
}

HWND findTop(const char* title) {
  HWND hwnd = FindWindowA(nullptr, title);
  if (!hwnd) std::printf("no window titled \"%s\"\n", title);
  return hwnd;
}

HWND findTopAndControl(const char* title, const char* idText, HWND* control) {
  HWND top = findTop(title);
  if (!top) return nullptr;
  int id = std::atoi(idText);
  *control = findControl(top, id);
  if (!*control) std::printf("no control %d in \"%s\"\n", id, title);
  return *control ? top : nullptr;
}

// The status line animates with a blank and up to three dots; for following
// its changes only the text before them counts.
std::string withoutDots(std::string text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == '.') --end;
  if (end < text.size() || (end > 0 && text[end - 1] == ' ')) {
    while (end > 0 && text[end - 1] == ' ') --end;
  }
  return text.substr(0, end);
}

bool startsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Local wall-clock time, the same clock the substitutes stamp their logs with.
std::string timestamp() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02u:%02u:%02u.%03u", t.wHour, t.wMinute, t.wSecond,
                t.wMilliseconds);
  return buf;
}

int cmdWindows(bool all) {
  for (HWND hwnd : topLevelWindows()) {
    bool visible = IsWindowVisible(hwnd);
    if (!all && !visible) continue;
    std::printf("%08lx pid=%lu %s class=\"%s\" title=\"%s\"\n",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)),
                static_cast<unsigned long>(processId(hwnd)), visible ? "visible" : "hidden",
                className(hwnd).c_str(), windowText(hwnd).c_str());
  }
  return kOk;
}

int cmdCount(const char* title) {
  int count = 0;
  for (HWND hwnd : topLevelWindows()) {
    if (windowText(hwnd) == title) ++count;
  }
  std::printf("%d\n", count);
  return count > 0 ? kOk : kNo;
}

int cmdFindClass(const char* cls) {
  int count = 0;
  for (HWND hwnd : topLevelWindows()) {
    if (className(hwnd) != cls) continue;
    ++count;
    std::printf("%08lx pid=%lu title=\"%s\"\n",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)),
                static_cast<unsigned long>(processId(hwnd)), windowText(hwnd).c_str());
  }
  return count > 0 ? kOk : kNo;
}

int cmdControls(const char* title) {
  HWND top = findTop(title);
  if (!top) return kMissing;
  for (HWND hwnd : descendants(top)) {
    std::printf("%d class=\"%s\" %s %s text=\"%s\"\n", GetDlgCtrlID(hwnd), className(hwnd).c_str(),
                IsWindowVisible(hwnd) ? "visible" : "hidden",
                IsWindowEnabled(hwnd) ? "enabled" : "disabled", windowText(hwnd).c_str());
  }
  return kOk;
}

int cmdText(const char* title, const char* id) {
  HWND control = nullptr;
  if (!findTopAndControl(title, id, &control)) return kMissing;
  std::printf("%s\n", windowText(control).c_str());
  return kOk;
}

int cmdState(const char* title, const char* id) {
  HWND control = nullptr;
  if (!findTopAndControl(title, id, &control)) return kMissing;
  bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  std::printf("%s %s%s\n", IsWindowEnabled(control) ? "enabled" : "disabled",
              IsWindowVisible(control) ? "visible" : "hidden", checked ? " checked" : "");
  return kOk;
}

// Posted, not sent: a click that opens a modal box would otherwise keep the
// probe waiting until somebody closes the box.
int cmdClick(const char* title, const char* id) {
  HWND control = nullptr;
  if (!findTopAndControl(title, id, &control)) return kMissing;
  bool enabled = IsWindowEnabled(control);
  PostMessageA(control, BM_CLICK, 0, 0);
  std::printf(enabled ? "clicked\n" : "clicked (disabled)\n");
  return kOk;
}

int cmdClose(const char* title) {
  HWND top = findTop(title);
  if (!top) return kMissing;
  DWORD_PTR result = 0;
  SendMessageTimeoutA(top, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  // A window that accepts the close may take a moment to be destroyed.
  for (int i = 0; i < 20 && IsWindow(top); ++i) Sleep(100);
  bool open = IsWindow(top);
  std::printf(open ? "still open\n" : "closed\n");
  return open ? kNo : kOk;
}

// The window's outer rectangle, frame and caption included, in screen
// (desktop) coordinates: left top width height.
int cmdRect(const char* title) {
  HWND top = findTop(title);
  if (!top) return kMissing;
  RECT r;
  GetWindowRect(top, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return kOk;
}

// Makes the window the foreground window, as a click on it would.
int cmdFront(const char* title) {
  HWND top = findTop(title);
  if (!top) return kMissing;
  SetForegroundWindow(top);
  for (int i = 0; i < 20 && GetForegroundWindow() != top; ++i) Sleep(100);
  return GetForegroundWindow() == top ? kOk : kNo;
}

int cmdWaitWindow(const char* title, const char* timeoutText) {
  DWORD deadline = GetTickCount() + std::strtoul(timeoutText, nullptr, 10);
  for (;;) {
    if (HWND hwnd = FindWindowA(nullptr, title)) {
      std::printf("%08lx pid=%lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)),
                  static_cast<unsigned long>(processId(hwnd)));
      return kOk;
    }
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) break;
    Sleep(100);
  }
  std::printf("timeout\n");
  return kNo;
}

// Waits until the control's text starts with `expected`.
int cmdWaitText(const char* title, const char* id, const char* expected, const char* timeoutText) {
  DWORD deadline = GetTickCount() + std::strtoul(timeoutText, nullptr, 10);
  std::string last;
  for (;;) {
    HWND top = FindWindowA(nullptr, title);
    HWND control = top ? findControl(top, std::atoi(id)) : nullptr;
    if (control) {
      last = windowText(control);
      if (startsWith(last, expected)) {
        std::printf("%s\n", last.c_str());
        return kOk;
      }
    }
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) break;
    Sleep(100);
  }
  std::printf("timeout; last text \"%s\"\n", last.c_str());
  return kNo;
}

// Prints each change of the control's text (dots of the animation ignored),
// stamped with the local time, until the text starts with `until`, the window
// goes away, or the time is up.
int cmdWatch(const char* title, const char* id, const char* until, const char* timeoutText) {
  DWORD deadline = GetTickCount() + std::strtoul(timeoutText, nullptr, 10);
  std::string shown;
  bool seen = false;
  for (;;) {
    HWND top = FindWindowA(nullptr, title);
    if (!top && seen) {
      std::printf("%s window gone\n", timestamp().c_str());
      return kNo;
    }
    HWND control = top ? findControl(top, std::atoi(id)) : nullptr;
    if (control) {
      std::string text = withoutDots(windowText(control));
      if (!seen || text != shown) {
        std::printf("%s %s\n", timestamp().c_str(), text.c_str());
        std::fflush(stdout);
        shown = text;
        seen = true;
      }
      if (startsWith(text, until)) return kOk;
    }
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) break;
    Sleep(50);
  }
  std::printf("%s timeout\n", timestamp().c_str());
  return kNo;
}

int cmdDriveType(const char* drive) {
  char root[8];
  std::snprintf(root, sizeof root, "%c:\\", drive[0]);
  UINT type = GetDriveTypeA(root);
  static const char* const kNames[] = {"unknown", "no-root-dir", "removable", "fixed",
                                       "remote",  "cdrom",       "ramdisk"};
  std::printf("%u %s\n", type, type < 7 ? kNames[type] : "?");
  return kOk;
}

int usage() {
  std::fputs(
      "usage: scprobe [--desktop <name>] <command> ...\n"
      "  --desktop <name>                work on the windows of that desktop\n"
      "  windows [--all]                 top-level windows (visible only by default)\n"
      "  count <title>                   number of top-level windows with that title\n"
      "  find-class <class>              top-level windows of that class\n"
      "  controls <title>                all child controls: id, class, state, text\n"
      "  text <title> <id>               text of a control\n"
      "  state <title> <id>              enabled/disabled visible/hidden [checked]\n"
      "  click <title> <id>              post a button click\n"
      "  close <title>                   send WM_CLOSE; exit 0 if the window went away\n"
      "  rect <title>                    outer rectangle: left top width height\n"
      "  front <title>                   make it the foreground window\n"
      "  wait-window <title> <ms>        wait for a top-level window\n"
      "  wait-text <title> <id> <prefix> <ms>\n"
      "  watch <title> <id> <until> <ms> print each change of a control's text\n"
      "  drive-type <letter>             GetDriveTypeA of the drive's root\n",
      stderr);
  return kUsage;
}

}  // namespace

// Windows are found, and input goes, on the calling thread's desktop; a
// program on Wine's own desktop is only seen from there.
bool joinDesktop(const char* name) {
  HDESK desktop = OpenDesktopA(name, 0, FALSE, GENERIC_ALL);
  if (!desktop || !SetThreadDesktop(desktop)) {
    std::printf("no desktop \"%s\"\n", name);
    return false;
  }
  return true;
}

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--desktop") == 0) {
    if (!joinDesktop(argv[2])) return kMissing;
    argc -= 2;
    argv += 2;
  }
  if (argc < 2) return usage();
  std::string cmd = argv[1];
  int n = argc - 2;
  char** a = argv + 2;
  if (cmd == "windows") return cmdWindows(n >= 1 && std::strcmp(a[0], "--all") == 0);
  if (cmd == "count" && n == 1) return cmdCount(a[0]);
  if (cmd == "find-class" && n == 1) return cmdFindClass(a[0]);
  if (cmd == "controls" && n == 1) return cmdControls(a[0]);
  if (cmd == "text" && n == 2) return cmdText(a[0], a[1]);
  if (cmd == "state" && n == 2) return cmdState(a[0], a[1]);
  if (cmd == "click" && n == 2) return cmdClick(a[0], a[1]);
  if (cmd == "close" && n == 1) return cmdClose(a[0]);
  if (cmd == "rect" && n == 1) return cmdRect(a[0]);
  if (cmd == "front" && n == 1) return cmdFront(a[0]);
  if (cmd == "wait-window" && n == 2) return cmdWaitWindow(a[0], a[1]);
  if (cmd == "wait-text" && n == 4) return cmdWaitText(a[0], a[1], a[2], a[3]);
  if (cmd == "watch" && n == 4) return cmdWatch(a[0], a[1], a[2], a[3]);
  if (cmd == "drive-type" && n == 1) return cmdDriveType(a[0]);
  return usage();
}
