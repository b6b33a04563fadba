#include "platform/win32/win32_taskbar.h"

#include <windows.h>

#include "platform/win32/taskbar_flash.h"
#include "platform/win32/win32_function_lookup.h"
// After <windows.h>.
#include <shobjidl.h>

#include <string>

namespace sc::win32 {

namespace {

// Spelled out: the uuid library of XP's days has neither.
constexpr CLSID kTaskbarListClass = {
    0x56fdf344, 0xfd6d, 0x11d0, {0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90}};
constexpr IID kTaskbarList3 = {
    0xea1afb91, 0x9e28, 0x4b86, {0x90, 0xe9, 0x9e, 0x9f, 0x8a, 0x5e, 0xef, 0xaf}};

using CoInitializeFunction = HRESULT(WINAPI*)(LPVOID);
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

// An ole32 function, or null when ole32 cannot be loaded. The library stays
// loaded: the object made from it lives as long as the program.
template <typename Function>
Function Ole32Function(const char* name) {
  static const HMODULE ole32 = SystemLibrary(L"ole32.dll");
  return FunctionIn<Function>(ole32, name);
}

// The port's states are ITaskbarList3's own numbers.
static_assert(static_cast<int>(TaskbarProgress::None) == TBPF_NOPROGRESS);
static_assert(static_cast<int>(TaskbarProgress::Indeterminate) == TBPF_INDETERMINATE);
static_assert(static_cast<int>(TaskbarProgress::Error) == TBPF_ERROR);
static_assert(static_cast<int>(TaskbarProgress::Paused) == TBPF_PAUSED);

// The window whose button stands for `window` on the taskbar: its owner, the
// application's window, when it has one.
HWND ButtonWindow(WindowHandle window) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  const HWND owner = GetWindow(hwnd, GW_OWNER);
  return owner != nullptr ? owner : hwnd;
}

}  // namespace

FLASHWINFO TaskbarFlash(HWND button) {
  FLASHWINFO info = {};
  info.cbSize = sizeof info;
  info.hwnd = button;
  info.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
  return info;
}

Win32Taskbar::~Win32Taskbar() {
  if (list_ != nullptr) list_->Release();
}

ITaskbarList3* Win32Taskbar::list() {
  if (list_ != nullptr) return list_;
  if (!comStarted_) {
    comStarted_ = true;
    // Whatever it answers (already initialised, another model): the object
    // is made below or not at all.
    if (const auto initialise = Ole32Function<CoInitializeFunction>("CoInitialize"))
      initialise(nullptr);
  }
  const auto create = Ole32Function<CoCreateInstanceFunction>("CoCreateInstance");
  if (create == nullptr) return nullptr;
  void* made = nullptr;
  if (FAILED(create(kTaskbarListClass, nullptr, CLSCTX_INPROC_SERVER, kTaskbarList3, &made)) ||
      made == nullptr)
    return nullptr;
  auto* taskbar = static_cast<ITaskbarList3*>(made);
  // The object takes no other call before this one.
  if (FAILED(taskbar->HrInit())) {
    taskbar->Release();
    return nullptr;
  }
  list_ = taskbar;
  return list_;
}

bool Win32Taskbar::setProgress(WindowHandle window, TaskbarProgress progress) {
  ITaskbarList3* taskbar = list();
  if (taskbar == nullptr) return false;
  const HWND button = ButtonWindow(window);
  if (FAILED(taskbar->SetProgressState(button, static_cast<TBPFLAG>(static_cast<int>(progress)))))
    return false;
  // Load-bearing order: paused and error colour the bar at the button's last
  // value, which from "no progress" is none at all, so they get a full bar;
  // a value set under them keeps their colour, one set before would flash
  // the normal green.
  const bool determinate =
      progress == TaskbarProgress::Paused || progress == TaskbarProgress::Error;
  return !determinate || SUCCEEDED(taskbar->SetProgressValue(button, 1, 1));
}

bool Win32Taskbar::setTooltip(WindowHandle window, const char* text) {
  if (text == nullptr) return false;
  ITaskbarList3* taskbar = list();
  if (taskbar == nullptr) return false;
  // No text of our own: the button shows its window's title again.
  if (text[0] == 0) return SUCCEEDED(taskbar->SetThumbnailTooltip(ButtonWindow(window), nullptr));
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  return SUCCEEDED(taskbar->SetThumbnailTooltip(ButtonWindow(window), wide.c_str()));
}

void Win32Taskbar::flash(WindowHandle window) {
  FLASHWINFO info = TaskbarFlash(ButtonWindow(window));
  FlashWindowEx(&info);
}

bool Win32Taskbar::programInForeground() {
  const HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  return process == GetCurrentProcessId();
}

}  // namespace sc::win32
