#include "ui/win32/window_procedure.h"

#include <windows.h>

#include <exception>

#include "ui/win32/program_icon.h"

namespace sc {
namespace {

MessageHandler* handlerOf(HWND window) {
  return reinterpret_cast<MessageHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  MessageHandler* handler = handlerOf(window);
  if (handler == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  LRESULT result = 0;
  guarded(*handler, [&] {
    result =
        handler->handleMessage(reinterpret_cast<WindowHandle>(window), message, wParam, lParam);
  });
  if (message == WM_NCDESTROY) {
    // Messages that still come after this one (there should be none) must not
    // reach an object that may be gone.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    handler->windowGone();
  }
  return result;
}

// A second registration of the same name fails harmlessly: the first stays.
void registerClass(const char* className) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = trampoline;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  // The caption, Alt+Tab and the taskbar button show these.
  wc.hIcon = ProgramIcon(false);
  wc.hIconSm = ProgramIcon(true);
  // The +1 is how a system colour index is passed as a class brush.
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = className;
  RegisterClassExA(&wc);
}

}  // namespace

WindowHandle createHandlerWindow(MessageHandler& handler, const char* className,
                                 const char* caption, std::uint32_t style, std::uint32_t exStyle,
                                 int width, int height, WindowHandle owner) {
  registerClass(className);
  HWND window = CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                width, height, reinterpret_cast<HWND>(owner), nullptr,
                                GetModuleHandleA(nullptr), &handler);
  // Set on the window as well: other programs (a taskbar, a window switcher)
  // ask the window with WM_GETICON, and Wine cannot read another process's
  // class icons.
  if (window != nullptr) {
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(false)));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(true)));
  }
  return reinterpret_cast<WindowHandle>(window);
}

namespace {

// Showing the failure must not become a second escape route.
void report(MessageHandler& handler, const std::string& message) noexcept {
  try {
    handler.handlerFailed(message);
  } catch (...) {
  }
}

}  // namespace

bool guarded(MessageHandler& handler, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    report(handler, e.what());
  } catch (...) {
    report(handler, "");
  }
  return false;
}

std::intptr_t defaultHandling(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  return DefWindowProcA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

}  // namespace sc
