/* A bare window that starts the robot manager as spoolcat.exe does at
 * start-up: a top-level window captioned "Spoolcat:", then ketmgr.exe from
 * the same folder, hidden, with the same "Check" command line. It takes the
 * manager's notices and otherwise idles until it is closed or ended. */
/* windows.h first: the other Windows headers build on it. */
/* clang-format off */
#include <windows.h>
#include <shellapi.h>
#include <string.h>
/* clang-format on */

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

/* The manager's path: ketmgr.exe beside this program. */
static void ManagerPath(char* path, DWORD size) {
  DWORD length = GetModuleFileNameA(NULL, path, size);
  char* slash;
  if (length == 0 || length >= size) length = 0;
  path[length] = 0;
  slash = strrchr(path, '\\');
  if (slash != NULL && (size_t)(slash - path) + sizeof "\\ketmgr.exe" <= size)
    strcpy(slash, "\\ketmgr.exe");
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  WNDCLASSA wc;
  HWND window;
  MSG msg;
  char manager[MAX_PATH];
  (void)previous;
  (void)commandLine;

  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareStart";
  RegisterClassA(&wc);
  window = CreateWindowExA(0, "BareStart",
                           "Spoolcat:", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           CW_USEDEFAULT, CW_USEDEFAULT, 298, 212, NULL, NULL, instance, NULL);
  if (window == NULL) return 1;

  ManagerPath(manager, sizeof manager);
  ShellExecuteA(window, "open", manager, "--caller Spoolcat: --action Check", "", SW_HIDE);
  ShowWindow(window, show);

  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
