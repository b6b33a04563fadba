#include "platform/win32/win32_fixtures.h"

#include <windows.h>

namespace sc::win32 {
namespace {

constexpr char kPlainWindowClass[] = "SpoolcatPlainWindow";

void registerPlainWindowClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kPlainWindowClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

bool deleteRegistryTree(RegRoot root, const std::string& path) {
  HKEY rootKey = root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  RegDeleteTreeA(rootKey, path.c_str());
  const LONG error = RegDeleteKeyA(rootKey, path.c_str());
  return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}

WindowHandle createPlainWindow(const std::string& title) {
  registerPlainWindowClass();
  HWND window = CreateWindowExA(0, kPlainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  return reinterpret_cast<WindowHandle>(window);
}

void destroyPlainWindow(WindowHandle window) {
  HWND handle = reinterpret_cast<HWND>(window);
  if (IsWindow(handle)) DestroyWindow(handle);
}

std::uint32_t currentProcessId() { return GetCurrentProcessId(); }

}  // namespace sc::win32
