/* A bare protocol driver: per disc, the same manager starts, notice waits and
 * volume messages as a spoolcat.exe job, with no user interface.
 *
 *   bare_driver.exe <player path>
 *
 * At start it asks the manager (ketmgr.exe beside it) for "Check", so the
 * robot publishes its writer. A hidden top-level window captioned
 * "Spoolcat:" receives the manager's notices (WM_COPYDATA) and the volume
 * messages sent to every top-level window. The job starts when its child
 * 1004 gets a click (BM_CLICK, as scprobe posts one): the player is started,
 * then load; a removal of the writer's disc sends unload; the unload's answer
 * sends the next load; a load that is refused ends the job with Release. */
/* windows.h first: the other Windows headers build on it. */
/* clang-format off */
#include <windows.h>
#include <dbt.h>
#include <shellapi.h>
#include <string.h>
/* clang-format on */

#include "bare_window.h"

/* The writer the benchmark's robot.ini publishes. */
static const char kWriter[] = "E: Writer 1";
static const char kWriterDrive = 'E';

enum { kGoId = 1004, kNoticeSize = 388 };
enum { WM_APP_GO = WM_APP + 10, WM_APP_NOTICE = WM_APP + 11 };

typedef enum { kIdle, kLoadOut, kDiscIn, kUnloadOut, kDone } Stage;

static char gManager[MAX_PATH];
static const char* gPlayer = "";
static HWND gWindow;
static Stage gStage = kIdle;
static int gArrived;
static int gLeftDuringLoad;
static BareNotice gNotice;

static void RunManager(const char* action, int withTarget) {
  char line[256];
  if (withTarget)
    wsprintfA(line, "--caller Spoolcat: --action %s --target %s", action, kWriter);
  else
    wsprintfA(line, "--caller Spoolcat: --action %s", action);
  ShellExecuteA(gWindow, "open", gManager, line, "", SW_HIDE);
}

static void Load(void) {
  gStage = kLoadOut;
  gArrived = 0;
  gLeftDuringLoad = 0;
  RunManager("load", 1);
}

static void Unload(void) {
  gStage = kUnloadOut;
  RunManager("unload", 1);
}

static void EndJob(void) {
  char line[256];
  gStage = kDone;
  wsprintfA(line, "--caller Spoolcat: --target %s --action Release", kWriter);
  ShellExecuteA(gWindow, "open", gManager, line, "", SW_HIDE);
}

static int Field(const char* field, size_t size, const char* text) {
  return strncmp(field, text, size) == 0 && strlen(text) < size;
}

static void HandleNotice(void) {
  const BareNotice n = gNotice;
  if (!Field(n.source, sizeof n.source, "Autoloader")) return;
  if (gStage == kLoadOut && Field(n.action, sizeof n.action, "load")) {
    if (!Field(n.result, sizeof n.result, "OK")) {
      EndJob();
    } else if (gLeftDuringLoad) {
      Unload();
    } else {
      gStage = kDiscIn;
    }
  } else if (gStage == kUnloadOut && Field(n.action, sizeof n.action, "unload")) {
    if (Field(n.result, sizeof n.result, "OK"))
      Load();
    else
      gStage = kDone;
  }
}

static void DeviceChange(WPARAM event, LPARAM lParam) {
  if (!BareIsDriveVolume(lParam, kWriterDrive)) return;
  if (event == DBT_DEVICEARRIVAL) {
    gArrived = 1;
  } else if (event == DBT_DEVICEREMOVECOMPLETE) {
    if (gStage == kDiscIn)
      Unload();
    else if (gStage == kLoadOut && gArrived)
      gLeftDuringLoad = 1;
  }
}

static LRESULT CALLBACK DriverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA: {
      const COPYDATASTRUCT* data = (const COPYDATASTRUCT*)lParam;
      DWORD size = data->cbData < kNoticeSize ? data->cbData : kNoticeSize;
      memset(&gNotice, 0, sizeof gNotice);
      if (data->lpData != NULL) memcpy(&gNotice, data->lpData, size);
      /* Acted on after the manager's send has returned. */
      PostMessageA(window, WM_APP_NOTICE, 0, 0);
      return TRUE;
    }
    case WM_APP_NOTICE:
      HandleNotice();
      return 0;
    case WM_DEVICECHANGE:
      DeviceChange(wParam, lParam);
      return TRUE;
    case WM_APP_GO:
      if (gStage == kIdle) {
        ShellExecuteA(NULL, "open", gPlayer, "", "", SW_SHOW);
        Load();
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

/* The start signal: a click posted to child 1004. */
static LRESULT CALLBACK GoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BM_CLICK) {
    PostMessageA(GetParent(window), WM_APP_GO, 0, 0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

static void Register(HINSTANCE instance, const char* name, WNDPROC proc) {
  WNDCLASSA wc;
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)show;

  gPlayer = commandLine;
  BareManagerPath(gManager, sizeof gManager);
  Register(instance, "BareDriver", DriverProc);
  Register(instance, "BareGo", GoProc);
  gWindow = CreateWindowExA(0, "BareDriver", "Spoolcat:", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL,
                            instance, NULL);
  if (gWindow == NULL) return 1;
  CreateWindowExA(0, "BareGo", "", WS_CHILD, 0, 0, 10, 10, gWindow, (HMENU)(INT_PTR)kGoId, instance,
                  NULL);
  RunManager("Check", 0);
  return BareMessageLoop();
}
