/* A program that imports comctl32's export 17 by ordinal, without a name
 * (ordinal.def): the import check must name it COMCTL32.dll!@17. */
#include <windows.h>

void WINAPI ExportSeventeen(void);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  ExportSeventeen();
  return 0;
}
