/* A program that imports GetTickCount64, which Windows XP's kernel32 lacks, as
 * the posix-thread runtime did: the import check must fail it. */
#define _WIN32_WINNT 0x0600
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  return (int)(GetTickCount64() & 1);
}
