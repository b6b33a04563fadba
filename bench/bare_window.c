#include "bare_window.h"

#include <string.h>

void BareManagerPath(char* path, DWORD size) {
  DWORD length = GetModuleFileNameA(NULL, path, size);
  char* slash;
  if (length == 0 || length >= size) length = 0;
  path[length] = 0;
  slash = strrchr(path, '\\');
  if (slash != NULL && (size_t)(slash - path) + sizeof "\\ketmgr.exe" <= size)
    strcpy(slash, "\\ketmgr.exe");
}

HWND BareMainWindow(HINSTANCE instance, const char* className, WNDPROC proc) {
  WNDCLASSA wc;
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  return CreateWindowExA(0, className,
                         "Spoolcat:", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                         CW_USEDEFAULT, CW_USEDEFAULT, 298, 212, NULL, NULL, instance, NULL);
}

int BareMessageLoop(void) {
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
