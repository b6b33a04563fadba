#include "bare_window.h"

#include <dbt.h>
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

int BareIsDriveVolume(LPARAM lParam, char drive) {
  const DEV_BROADCAST_HDR* header = (const DEV_BROADCAST_HDR*)lParam;
  const DEV_BROADCAST_VOLUME* volume = (const DEV_BROADCAST_VOLUME*)lParam;
  if (header == NULL || header->dbch_devicetype != DBT_DEVTYP_VOLUME ||
      header->dbch_size < sizeof(DEV_BROADCAST_VOLUME))
    return 0;
  return (volume->dbcv_unitmask & (1u << (drive - 'A'))) != 0;
}

int BareMessageLoop(void) {
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
