/* A bare window that starts the robot manager as spoolcat.exe does at
 * start-up: a top-level window captioned "Spoolcat:", then ketmgr.exe from
 * the same folder, hidden, with the same "Check" command line. It takes the
 * manager's notices and otherwise idles until it is closed or ended. */
/* windows.h first: the other Windows headers build on it. */
/* clang-format off */
#include <windows.h>
#include <shellapi.h>
/* clang-format on */

#include "bare_window.h"

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA:
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  HWND window;
  char manager[MAX_PATH];
  (void)previous;
  (void)commandLine;

  window = BareMainWindow(instance, "BareStart", WindowProc);
  if (window == NULL) return 1;

  BareManagerPath(manager, sizeof manager);
  ShellExecuteA(window, "open", manager, "--caller Spoolcat: --action Check", "", SW_HIDE);
  ShowWindow(window, show);
  return BareMessageLoop();
}
