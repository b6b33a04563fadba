// Linked into spoolcat_timed.exe only: times every message that the window
// thread handles at the top level (not inside another handler), from outside
// the program's own code. A thread-local CBT hook, installed before main(),
// subclasses each window as it is created; the subclass procedure reads the
// performance counter around the original procedure. Nested messages (a
// handler setting a label's text) count in the handler that sent them.
//
// Each handler gets its wall time on the window thread (a handler that is
// preempted, or that waits, as the paint echo's 5 ms sleep or a shell start,
// counts that too) and the thread's CPU time. Wine counts a thread's CPU time
// in whole 10 ms ticks, so one call reads 0 or 10 ms, but the sum over
// hundreds of calls is a fair figure. They are grouped by disc: bucket k holds
// what came from disc k's arrival up to disc k+1's (0: before the first).
// When the main window is destroyed, handler_times.txt beside the exe gets
// "BUCKET KIND COUNT WALL_NS CPU_NS" lines.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace {

constexpr int kMaxWindows = 128;

struct Subclass {
  HWND window;
  WNDPROC original;
  bool unicode;
};

Subclass gWindows[kMaxWindows];
int gWindowCount = 0;
HWND gMain = nullptr;
int gDepth = 0;
int gDisc = 0;
LARGE_INTEGER gFrequency;
struct Times {
  long long count = 0;
  long long wallNs = 0;
  long long cpuNs = 0;
};
std::map<std::pair<int, std::string>, Times>* gTimes;

long long ThreadCpuNs() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) {
    return static_cast<long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) * 100;
}

const Subclass* Find(HWND window) {
  for (int i = 0; i < gWindowCount; ++i) {
    if (gWindows[i].window == window) return &gWindows[i];
  }
  return nullptr;
}

std::string KindOf(HWND window, UINT message, WPARAM wParam) {
  char kind[48];
  if (window == gMain) {
    switch (message) {
      case WM_COPYDATA:
        return "notice-copy";
      case WM_DEVICECHANGE:
        return wParam == 0x8000 ? "arrival" : wParam == 0x8004 ? "removal" : "device-other";
      case WM_TIMER:
        std::snprintf(kind, sizeof kind, "timer%u", static_cast<unsigned>(wParam));
        return kind;
      case WM_PAINT:
        return "paint-form";
      default:
        return "form-other";
    }
  }
  if (GetParent(window) == gMain && gMain != nullptr) {
    std::snprintf(kind, sizeof kind, message == WM_PAINT ? "paint-%d" : "control-%d-other",
                  GetDlgCtrlID(window));
    return kind;
  }
  return "other-window";
}

void Dump() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  char* slash = std::strrchr(path, '\\');
  if (slash == nullptr || static_cast<size_t>(slash - path) + 20 >= sizeof path) return;
  std::strcpy(slash + 1, "handler_times.txt");
  FILE* out = std::fopen(path, "w");
  if (out == nullptr) return;
  for (const auto& [key, value] : *gTimes) {
    std::fprintf(out, "%d %s %lld %lld %lld\n", key.first, key.second.c_str(), value.count,
                 value.wallNs, value.cpuNs);
  }
  std::fclose(out);
}

LRESULT CALLBACK Timed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Subclass* subclass = Find(window);
  if (subclass == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC original = subclass->original;
  const bool unicode = subclass->unicode;
  if (message == WM_NCCREATE && gMain == nullptr) {
    char name[32];
    if (GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "TfrmMain") == 0)
      gMain = window;
  }
  const bool top = gDepth == 0;
  LARGE_INTEGER start, end;
  const long long cpuStart = top ? ThreadCpuNs() : 0;
  QueryPerformanceCounter(&start);
  ++gDepth;
  const LRESULT result = unicode ? CallWindowProcW(original, window, message, wParam, lParam)
                                 : CallWindowProcA(original, window, message, wParam, lParam);
  --gDepth;
  QueryPerformanceCounter(&end);
  if (top) {
    const long long cpuNs = ThreadCpuNs() - cpuStart;
    const long long ns = (end.QuadPart - start.QuadPart) * 1000000000LL / gFrequency.QuadPart;
    const std::string kind = KindOf(window, message, wParam);
    if (kind == "arrival") ++gDisc;
    auto& entry = (*gTimes)[{gDisc, kind}];
    entry.count += 1;
    entry.wallNs += ns;
    entry.cpuNs += cpuNs;
  }
  if (message == WM_NCDESTROY && window == gMain) Dump();
  return result;
}

LRESULT CALLBACK OnCreate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && gWindowCount < kMaxWindows) {
    HWND window = reinterpret_cast<HWND>(wParam);
    Subclass& s = gWindows[gWindowCount++];
    s.window = window;
    s.unicode = IsWindowUnicode(window) != FALSE;
    s.original = s.unicode ? reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                                 window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Timed)))
                           : reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                                 window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Timed)));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Before main(): the windows are created later, on this thread.
const bool gInstalled = [] {
  QueryPerformanceFrequency(&gFrequency);
  gTimes = new std::map<std::pair<int, std::string>, Times>();
  return SetWindowsHookExA(WH_CBT, OnCreate, nullptr, GetCurrentThreadId()) != nullptr;
}();

}  // namespace
