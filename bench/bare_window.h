/* What the bare baselines share: the manager's path beside the program, a
 * top-level window of the program's frame and caption, and the message loop. */
#ifndef BARE_WINDOW_H
#define BARE_WINDOW_H

#include <windows.h>

/* The manager's notice, 388 bytes: Source, Action, Result, Detail. */
typedef struct {
  char source[64];
  char action[32];
  char result[32];
  char detail[260];
} BareNotice;

/* ketmgr.exe beside this program; empty when the program's path does not fit. */
void BareManagerPath(char* path, DWORD size);

/* Registers `className` with `proc` and makes a window captioned "Spoolcat:"
 * with the program's frame and outer size; NULL when that fails. */
HWND BareMainWindow(HINSTANCE instance, const char* className, WNDPROC proc);

/* A volume broadcast (WM_DEVICECHANGE's lParam) that names `drive`, read no
 * further than its record says it reaches. */
int BareIsDriveVolume(LPARAM lParam, char drive);

/* Hands on messages until WM_QUIT; the program's exit code. */
int BareMessageLoop(void);

#endif
