#include "wine_desktop.h"

#include "harness.h"

namespace e2e {

bool JoinDesktop(const std::string& name, int width, int height) {
  Reg::SetString(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", name,
                 std::to_string(width) + "x" + std::to_string(height));
  HDESK desktop = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop != nullptr && SetThreadDesktop(desktop);
}

namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

void PressKey(WORD key) {
  INPUT inputs[] = {KeyInput(key, false), KeyInput(key, true)};
  SendInput(2, inputs, sizeof(INPUT));
}

void PressKeyWith(WORD modifier, WORD key) {
  INPUT inputs[] = {KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true),
                    KeyInput(modifier, true)};
  SendInput(4, inputs, sizeof(INPUT));
}

int FocusedId(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus) {
    return -1;
  }
  return info.hwndFocus == top ? 0 : GetDlgCtrlID(info.hwndFocus);
}

bool BringToFront(HWND top, DWORD timeoutMs) {
  SetForegroundWindow(top);
  return WaitUntil([&] { return GetForegroundWindow() == top; }, timeoutMs);
}

}  // namespace e2e
