/* A program that imports only what the C run-time's start-up and Sleep
 * bring: the import check passes it. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  Sleep(0);
  return 0;
}
