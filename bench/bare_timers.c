/* A bare window with the timers spoolcat.exe runs while it waits: the status
 * timer's one-second tick, stopped and started again at every tick as the
 * program does. "bare_timers.exe loading" also animates a status label at each
 * tick ("Disc Loading", then one to three dots), as the program does during a
 * load whose answer has not come; without it the tick changes nothing, as at
 * "Ready". A second thread wakes every 2 s and finds nothing to do, as the
 * program's dialog responder does while no disc is being ripped. */
#include <string.h>
#include <windows.h>

#include "bare_window.h"

enum { kStatusTimer = 1, kStatusIntervalMs = 1000, kLabelId = 1002 };

enum { kResponderSleepMs = 2000 };

static int gAnimate;
static volatile LONG gWatchActive;
static int gDots;
static HWND gLabel;

static void Tick(HWND window) {
  static const char* const kTexts[] = {"Disc Loading ", "Disc Loading .", "Disc Loading ..",
                                       "Disc Loading ..."};
  KillTimer(window, kStatusTimer);
  if (gAnimate) {
    gDots = (gDots + 1) % 4;
    SetWindowTextA(gLabel, kTexts[gDots]);
  }
  SetTimer(window, kStatusTimer, kStatusIntervalMs, NULL);
}

static DWORD WINAPI Responder(LPVOID unused) {
  (void)unused;
  for (;;) {
    Sleep(kResponderSleepMs);
    if (InterlockedCompareExchange(&gWatchActive, 0, 0)) return 1;
  }
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kStatusTimer) Tick(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  HWND window;
  (void)previous;

  gAnimate = strstr(commandLine, "loading") != NULL;
  window = BareMainWindow(instance, "BareTimers", WindowProc);
  if (window == NULL) return 1;
  gLabel = CreateWindowExA(0, "STATIC", gAnimate ? "Disc Loading" : "Ready",
                           WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 14, 100, 120, 15, window,
                           (HMENU)(INT_PTR)kLabelId, instance, NULL);
  SetTimer(window, kStatusTimer, kStatusIntervalMs, NULL);
  CreateThread(NULL, 0, Responder, NULL, 0, NULL);
  ShowWindow(window, show);
  return BareMessageLoop();
}
