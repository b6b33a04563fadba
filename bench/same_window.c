/* The same-window baseline: the window spoolcat.exe shows, control for
 * control, and the steps it takes for each disc of a Windows Media Player
 * job, in plain C with none of the program's layers.
 *
 *   same_window.exe <player path>
 *
 * The window: class TfrmMain captioned "Spoolcat:", owned by a parked
 * application window, its thirteen controls with the program's classes,
 * styles, IDs (1000 + creation index, radio items 1100 + i), fonts and
 * stacking, laid out as the program lays them out (the three options shown
 * only while iTunes is chosen), the status label sized to its text and
 * painted on the highlight colour, the status box drawn by its owner, and the
 * form's paint echo. Its steps: "Check" at start, the notice handled 10 ms
 * after it came, the robot's report read 100 ms after the "Check" answer
 * ("Ready"), the status line's dots every second while a command waits, a
 * second thread that wakes every 2 s; a click of "Ripping" (1004) starts the
 * player and loads; the arrival shows "Disc Loaded"; the disc's removal
 * unloads; the unload's answer loads the next; a refused load ends the job
 * with "Job Done" and Release. The writer is the one the benchmark's
 * robot.ini publishes, as in bare_driver.c. */
/* windows.h first: the other Windows headers build on it. */
/* clang-format off */
#include <windows.h>
#include <dbt.h>
#include <shellapi.h>
#include <string.h>
/* clang-format on */

#include "bare_window.h"

static const char kWriter[] = "E: Writer 1";
static const char kWriterDrive = 'E';

enum {
  kVersion = 1000,
  kCompany,
  kStatus,
  kImage,
  kRipping,
  kWriters,
  kMemo,
  kExit,
  kHelp,
  kPlayers,
  kRipUnidentified,
  kRejectUnidentified,
  kReplaceSongs,
  kControls = 13,
  kFirstItem = 1100
};
enum { kStatusTimer = 1, kNoticeTimer = 2, kReportTimer = 3 };
enum { kOuterWidth = 300, kOuterHeight = 200 };
enum { kMargin = 8, kButtonWidth = 75, kButtonHeight = 25, kOptionHeight = 17, kNoticeSize = 388 };
enum { kRegular, kBold, kLink };
enum { kInitializing, kReady, kLoading = 3, kLoaded, kUnloading, kDone };

static const char* const kTexts[] = {"Initializing", "Ready",          "No Device", "Disc Loading",
                                     "Disc Loaded",  "Disc Unloading", "Job Done"};
static const char kVersionText[] = "Version " SAME_WINDOW_VERSION;
static const char* const kDots[] = {"", ".", "..", "..."};

#define LABEL (SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_VISIBLE)
#define OPTION (BS_CHECKBOX | WS_TABSTOP)

/* The controls from the top of the stacking order down, as the program
 * stacks them: the status label brought to the front, the tab stops in tab
 * order, then the other controls, later created above earlier ones. */
static const struct {
  int id;
  const char* className;
  const char* text;
  DWORD style;
  DWORD exStyle;
} kChildren[kControls] = {
    {kStatus, "STATIC", "Initializing", LABEL, 0},
    {kRipping, "BUTTON", "Ripping", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE | WS_DISABLED, 0},
    {kWriters, "COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0},
    {kMemo, "EDIT", "",
     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {kExit, "BUTTON", "Exit", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE | WS_DISABLED, 0},
    {kHelp, "BUTTON", "Help", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {kPlayers, "BUTTON", "", BS_GROUPBOX | WS_TABSTOP | WS_VISIBLE, WS_EX_CONTROLPARENT},
    {kRipUnidentified, "BUTTON", "Always rip unidentified CD", OPTION, 0},
    {kRejectUnidentified, "BUTTON", "Unload unidentified CD to reject bin", OPTION, 0},
    {kReplaceSongs, "BUTTON", "Replace existing songs", OPTION, 0},
    {kImage, "STATIC", "", SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE, 0},
    {kCompany, "STATIC", "Venmora Inc.", LABEL, 0},
    {kVersion, "STATIC", kVersionText, LABEL, 0},
};

typedef struct {
  int left, top, width, height;
} Box;

typedef enum { kIdle, kLoadOut, kDiscIn, kUnloadOut } Stage;

static char gManager[MAX_PATH];
static const char* gPlayerPath = "";
static HWND gWindow;
static HWND gChild[kControls]; /* by ID - 1000 */
static Box gBounds[kControls];
static HWND gItems[2];
static int gItemCount;
static int gChosen;
static WNDPROC gGroupProc;
static HFONT gFonts[3];
static HDC gMeasurer;
static int gClientWidth;
static int gFrameHeight;
static int gOuterHeight;
static int gEcho;
static HWND gFocus;
static BareNotice gNotice;
static int gNoticeWaits;
static volatile LONG gResponderRuns = 1;
static Stage gStage = kIdle;
static int gLeftDuringLoad;
static int gCode = kInitializing;
static int gDotCount;
static char gStatusText[32] = "Initializing";

static SIZE Measure(const char* text, int font) {
  SIZE size;
  TEXTMETRICA metrics;
  HGDIOBJ old = SelectObject(gMeasurer, gFonts[font]);
  GetTextExtentPoint32A(gMeasurer, text, lstrlenA(text), &size);
  GetTextMetricsA(gMeasurer, &metrics);
  size.cy = metrics.tmHeight;
  SelectObject(gMeasurer, old);
  return size;
}

static HWND Child(int id) { return gChild[id - kVersion]; }
static Box* Bounds(int id) { return &gBounds[id - kVersion]; }

static void SetBounds(int id, int left, int top, int width, int height) {
  Box* b = Bounds(id);
  if (b->left == left && b->top == top && b->width == width && b->height == height) return;
  b->left = left;
  b->top = top;
  b->width = width;
  b->height = height;
  /* The uncovered background is erased when the form and its siblings paint. */
  if (Child(id) != NULL)
    SetWindowPos(Child(id), NULL, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}

static void Enable(int id, BOOL on) {
  if (!IsWindowEnabled(Child(id)) != !on) EnableWindow(Child(id), on);
}

static void EnableOptions(BOOL on) {
  Enable(kRejectUnidentified, on);
  Enable(kReplaceSongs, on);
  Enable(kRipUnidentified, on);
}

static void EnablePlayers(BOOL on) {
  int i;
  if (!IsWindowEnabled(Child(kPlayers)) == !on) return;
  EnableWindow(Child(kPlayers), on);
  for (i = 0; i < gItemCount; ++i) EnableWindow(gItems[i], on);
}

/* The status label takes the size of its text and the text. Growing, the
 * size comes first, so that the text is painted once, at its size.
 * Narrower, it uncovers a strip of the status box beneath it, and only that
 * strip is repainted: the form, covered there by the box, paints nothing. */
static void SetStatusText(const char* text) {
  Box* b = Bounds(kStatus);
  const Box* box = Bounds(kImage);
  SIZE size;
  RECT strip;
  if (strcmp(gStatusText, text) == 0) return;
  lstrcpynA(gStatusText, text, sizeof gStatusText);
  size = Measure(text, kBold);
  if (size.cx > b->width || size.cy != b->height) {
    SetBounds(kStatus, b->left, b->top, size.cx, size.cy);
    SetWindowTextA(Child(kStatus), text);
    return;
  }
  SetWindowTextA(Child(kStatus), text);
  if (size.cx == b->width) return;
  strip.left = b->left + size.cx - box->left;
  strip.top = b->top - box->top;
  strip.right = b->left + b->width - box->left;
  strip.bottom = b->top + b->height - box->top;
  b->width = size.cx;
  SetWindowPos(Child(kStatus), NULL, b->left, b->top, b->width, b->height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  InvalidateRect(Child(kImage), &strip, TRUE);
}

static void ShowState(int code) {
  gDotCount = 0;
  gCode = code;
  SetStatusText(kTexts[code]);
}

/* The rows under the status box, with or without the options; the window's
 * client area ends a margin below the version line. */
static void Arrange(int optionsShown) {
  const Box* image = Bounds(kImage);
  const int exitLeft = gClientWidth - kButtonWidth - kMargin;
  SIZE version = Measure(kVersionText, kRegular);
  SIZE company = Measure("Venmora Inc.", kLink);
  int y = image->top + image->height, row, line, id;
  for (id = kReplaceSongs; id >= kRipUnidentified; --id)
    if (Child(id) != NULL) ShowWindow(Child(id), optionsShown ? SW_SHOWNA : SW_HIDE);
  for (id = kRipUnidentified; id <= kReplaceSongs; ++id) {
    /* Hidden options keep the top they had. */
    SetBounds(id, kMargin, optionsShown ? y + kMargin : Bounds(id)->top, image->width,
              kOptionHeight);
    y += kMargin + kOptionHeight;
  }
  row = (optionsShown ? y : image->top + image->height) + kMargin;
  SetBounds(kRipping, kMargin, row, kButtonWidth, kButtonHeight);
  SetBounds(kHelp, (kMargin + exitLeft) / 2, row, kButtonWidth, kButtonHeight);
  SetBounds(kExit, exitLeft, row, kButtonWidth, kButtonHeight);
  line = row + kButtonHeight + kMargin;
  SetBounds(kCompany, gClientWidth - kMargin - company.cx, line, company.cx, company.cy);
  SetBounds(kVersion, kMargin, line, version.cx, version.cy);
  gOuterHeight = line + company.cy + kMargin + gFrameHeight;
  if (gWindow != NULL)
    SetWindowPos(gWindow, NULL, 0, 0, kOuterWidth, gOuterHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* The 300 x 200 window's first pass, from its bottom up: the version line, the
 * buttons, the status box with the label in it, the player group; the hidden
 * controls where the form design puts them; then the rows below the box. */
static void LayOut(int clientHeight) {
  const SIZE version = Measure("Version", kRegular);
  const SIZE status = Measure(kTexts[kInitializing], kBold);
  const int buttonTop = clientHeight - version.cy - kMargin - kButtonHeight - kMargin;
  const int boxHeight = status.cy + 2;
  const int exitLeft = gClientWidth - kButtonWidth - kMargin;
  const int imageTop = buttonTop - kMargin - boxHeight;
  SetBounds(kImage, kMargin, imageTop, gClientWidth - 2 * kMargin, boxHeight);
  SetBounds(kStatus, kMargin + 6, imageTop + 1, status.cx, status.cy);
  SetBounds(kPlayers, kMargin, kMargin - 6, exitLeft + kButtonWidth - kMargin,
            imageTop + 1 - (kMargin - 6) - kMargin);
  SetBounds(kWriters, 100, 0, 145, 21);
  SetBounds(kMemo, 100, 30, 145, 40);
  SetBounds(kRipUnidentified, kMargin, 0, gClientWidth - 2 * kMargin, kOptionHeight);
  SetBounds(kRejectUnidentified, kMargin, 0, gClientWidth - 2 * kMargin, kOptionHeight);
  SetBounds(kReplaceSongs, kMargin, 0, gClientWidth - 2 * kMargin, kOptionHeight);
  Arrange(0);
}

static void RunManager(const char* action) {
  char line[256];
  if (strcmp(action, "Check") == 0)
    wsprintfA(line, "--caller Spoolcat: --action %s", action);
  else if (strcmp(action, "Release") == 0)
    wsprintfA(line, "--caller Spoolcat: --target %s --action Release", kWriter);
  else
    wsprintfA(line, "--caller Spoolcat: --action %s --target %s", action, kWriter);
  ShellExecuteA(gWindow, "open", gManager, line, "", SW_HIDE);
}

static void Load(void) {
  ShowState(kLoading);
  Enable(kExit, FALSE);
  EnableOptions(FALSE);
  gStage = kLoadOut;
  gLeftDuringLoad = 0;
  RunManager("load");
}

static void Unload(void) {
  ShowState(kUnloading);
  Enable(kExit, FALSE);
  EnableOptions(FALSE);
  gStage = kUnloadOut;
  RunManager("unload");
}

static void StartJob(void) {
  if (gStage != kIdle || !IsWindowEnabled(Child(kRipping))) return;
  SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
  ShellExecuteA(NULL, "open", gPlayerPath, "", "", SW_SHOW);
  EnablePlayers(FALSE);
  Enable(kRipping, FALSE);
  Enable(kExit, FALSE);
  Load();
}

static void EndJob(void) {
  SetThreadExecutionState(ES_CONTINUOUS);
  gStage = kIdle;
  EnablePlayers(TRUE);
  Enable(kRipping, TRUE);
  Enable(kExit, TRUE);
  ShowState(kDone);
  EnableOptions(TRUE);
  RunManager("Release");
}

static int Field(const char* field, size_t size, const char* text) {
  return strncmp(field, text, size) == 0 && strlen(text) < size;
}

static int ActionIs(const char* action) {
  return Field(gNotice.action, sizeof gNotice.action, action);
}

static int ResultOk(void) { return Field(gNotice.result, sizeof gNotice.result, "OK"); }

static void HandleNotice(void) {
  if (!Field(gNotice.source, sizeof gNotice.source, "Autoloader")) return;
  if (ActionIs("Check")) {
    SetTimer(gWindow, kReportTimer, 100, NULL);
    Enable(kExit, TRUE);
  } else if (gStage == kLoadOut && ActionIs("load")) {
    if (!ResultOk()) {
      EndJob();
    } else if (gLeftDuringLoad) {
      Unload();
    } else {
      gStage = kDiscIn;
      Enable(kExit, TRUE);
    }
  } else if (gStage == kUnloadOut && ActionIs("unload") && ResultOk()) {
    Load();
  }
}

/* "Robot Report" under the robot's key; "Ready" lists the writer. */
static void ReadReport(void) {
  char report[64] = "";
  DWORD size = sizeof report - 1;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Venmora\\Kelvomat", 0, KEY_ALL_ACCESS, &key) !=
      ERROR_SUCCESS)
    return;
  RegQueryValueExA(key, "Robot Report", NULL, NULL, (BYTE*)report, &size);
  RegCloseKey(key);
  if (strcmp(report, "Wait") == 0) SetTimer(gWindow, kReportTimer, 100, NULL);
  if (strcmp(report, "Ready") != 0) return;
  SendMessageA(Child(kWriters), CB_RESETCONTENT, 0, 0);
  SendMessageA(Child(kWriters), CB_ADDSTRING, 0, (LPARAM)kWriter);
  SendMessageA(Child(kWriters), CB_SETCURSEL, 0, 0);
  Enable(kExit, TRUE);
  gCode = kReady;
  SetStatusText(kTexts[kReady]);
  Enable(kRipping, TRUE);
}

static void Tick(void) {
  char text[32];
  KillTimer(gWindow, kStatusTimer);
  gDotCount = (gDotCount + 1) % 4;
  if (gCode == kInitializing || (gCode >= kLoading && gCode <= kUnloading)) {
    wsprintfA(text, "%s %s", kTexts[gCode], kDots[gDotCount]);
    SetStatusText(text);
  }
  SetTimer(gWindow, kStatusTimer, 1000, NULL);
}

static void DeviceChange(WPARAM event, LPARAM lParam) {
  if ((event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) ||
      !BareIsDriveVolume(lParam, kWriterDrive))
    return;
  if (event == DBT_DEVICEARRIVAL) {
    if (gStage != kIdle) ShowState(kLoaded);
    return;
  }
  /* The drive is still a CD drive: the disc left, not the drive. */
  GetDriveTypeA("E:\\");
  if (gStage == kDiscIn)
    Unload();
  else if (gStage == kLoadOut)
    gLeftDuringLoad = 1;
}

static void Close(void) {
  if (!IsWindowEnabled(Child(kExit))) return;
  DestroyWindow(gWindow);
  PostQuitMessage(0);
}

/* The status box: a white box framed in black on its outermost pixels. */
static void DrawImage(const DRAWITEMSTRUCT* item) {
  const Box* image = Bounds(kImage);
  RECT box;
  HGDIOBJ pen;
  FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
  SetRect(&box, 0, 0, image->width, image->height);
  FillRect(item->hDC, &box, (HBRUSH)GetStockObject(WHITE_BRUSH));
  pen = SelectObject(item->hDC, GetStockObject(BLACK_PEN));
  MoveToEx(item->hDC, 0, 0, NULL);
  LineTo(item->hDC, image->width - 1, 0);
  LineTo(item->hDC, image->width - 1, image->height - 1);
  LineTo(item->hDC, 0, image->height - 1);
  LineTo(item->hDC, 0, 0);
  SelectObject(item->hDC, pen);
}

static LRESULT LabelColours(HDC dc, int id) {
  const int background = id == kStatus ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
  SetTextColor(dc, id == kCompany ? RGB(0, 0, 255) : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  SetBkMode(dc, OPAQUE);
  return (LRESULT)GetSysColorBrush(background);
}

static void ChoosePlayer(int index) {
  int i;
  if (index == gChosen) return;
  gChosen = index;
  for (i = 0; i < gItemCount; ++i)
    SendMessageA(gItems[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
  Arrange(index == 1);
}

static LRESULT CALLBACK GroupProc(HWND group, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int index = LOWORD(wParam) - kFirstItem;
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < gItemCount &&
          IsWindowEnabled(group))
        ChoosePlayer(index);
      return 0;
    }
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(group, &r);
      FillRect((HDC)wParam, &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return CallWindowProcA(gGroupProc, group, message, wParam, lParam);
  }
}

static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA: {
      const COPYDATASTRUCT* data = (const COPYDATASTRUCT*)lParam;
      memset(&gNotice, 0, sizeof gNotice);
      if (data != NULL && data->lpData != NULL)
        memcpy(&gNotice, data->lpData, data->cbData < kNoticeSize ? data->cbData : kNoticeSize);
      /* Handed on 10 ms later, outside the manager's send; a notice that
       * comes meanwhile takes the place of the first. */
      if (!gNoticeWaits) SetTimer(window, kNoticeTimer, 10, NULL);
      gNoticeWaits = 1;
      return 0;
    }
    case WM_TIMER:
      if (wParam == kStatusTimer) Tick();
      if (wParam == kNoticeTimer) {
        KillTimer(window, kNoticeTimer);
        gNoticeWaits = 0;
        HandleNotice();
      }
      if (wParam == kReportTimer) {
        KillTimer(window, kReportTimer);
        ReadReport();
      }
      return 0;
    case WM_DEVICECHANGE:
      DeviceChange(wParam, lParam);
      return TRUE;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && (HWND)lParam == Child(kRipping)) StartJob();
      if (HIWORD(wParam) == BN_CLICKED && (HWND)lParam == Child(kExit)) Close();
      return 0;
    case WM_CTLCOLORSTATIC: {
      const int id = GetDlgCtrlID((HWND)lParam);
      if (id >= kVersion && id <= kStatus && (HWND)lParam == Child(id))
        return LabelColours((HDC)wParam, id);
      break;
    }
    case WM_DRAWITEM:
      if (((const DRAWITEMSTRUCT*)lParam)->hwndItem != Child(kImage)) break;
      DrawImage((const DRAWITEMSTRUCT*)lParam);
      return TRUE;
    case WM_ACTIVATE:
      /* The control that had the focus gets it back with the activation. */
      if (LOWORD(wParam) == WA_INACTIVE) {
        gFocus = GetFocus();
        if (gFocus != NULL && !IsChild(window, gFocus)) gFocus = NULL;
      }
      break;
    case WM_SETFOCUS: {
      HWND control = gFocus;
      gFocus = NULL;
      if (control == NULL || !IsChild(window, control) || !IsWindowVisible(control) ||
          !IsWindowEnabled(control))
        break;
      SetFocus(control);
      return 0;
    }
    case WM_PAINT: {
      /* Every other paint asks for one more, about 5 ms later. */
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      if (gEcho) {
        InvalidateRect(window, NULL, FALSE);
        Sleep(5);
        InvalidateRect(window, NULL, FALSE);
      }
      gEcho = !gEcho;
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

/* The application's window passes the taskbar's close and its activation on. */
static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    if (gWindow != NULL) SendMessageA(gWindow, WM_CLOSE, 0, 0);
    return 0;
  }
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && gWindow != NULL &&
      IsWindowVisible(gWindow)) {
    SetActiveWindow(GetLastActivePopup(gWindow));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

static HICON Icon(HINSTANCE instance, int small) {
  const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
  return (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_SHARED);
}

static HWND TopWindow(HINSTANCE instance, const char* className, WNDPROC proc, const char* caption,
                      DWORD style, DWORD exStyle, int width, int height, HWND owner) {
  WNDCLASSEXA wc;
  HWND window;
  memset(&wc, 0, sizeof wc);
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.hIcon = Icon(instance, 0);
  wc.hIconSm = Icon(instance, 1);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassExA(&wc);
  window = CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, width,
                           height, owner, NULL, instance, NULL);
  SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)wc.hIcon);
  SendMessageA(window, WM_SETICON, ICON_SMALL, (LPARAM)wc.hIconSm);
  return window;
}

static void CreateChildren(HINSTANCE instance, HKEY iTunes) {
  const char* items[2] = {"Windows Media Player", "iTunes"};
  int i, top, rowHeight;
  const Box* group = Bounds(kPlayers);
  for (i = 0; i < kControls; ++i) {
    const int id = kChildren[i].id;
    const Box* b = Bounds(id);
    HWND child = CreateWindowExA(kChildren[i].exStyle, kChildren[i].className, kChildren[i].text,
                                 kChildren[i].style | WS_CHILD | WS_CLIPSIBLINGS, b->left, b->top,
                                 b->width, b->height, gWindow, (HMENU)(INT_PTR)id, instance, NULL);
    gChild[id - kVersion] = child;
    SendMessageA(child, WM_SETFONT,
                 (WPARAM)gFonts[id == kStatus    ? kBold
                                : id == kCompany ? kLink
                                                 : kRegular],
                 FALSE);
  }
  SendMessageA(Child(kMemo), EM_SETLIMITTEXT, 0, 0);
  /* The options as the program's first start finds them: all checked. */
  for (i = kRipUnidentified; i <= kReplaceSongs; ++i)
    SendMessageA(Child(i), BM_SETCHECK, BST_CHECKED, 0);
  gGroupProc = (WNDPROC)SetWindowLongPtrA(Child(kPlayers), GWLP_WNDPROC, (LONG_PTR)GroupProc);
  /* One row each below the caption's line, Windows Media Player first. */
  gItemCount = iTunes != NULL ? 2 : 1;
  top = Measure("", kRegular).cy + 1;
  rowHeight = (group->height - top - 5) / gItemCount;
  for (i = 0; i < gItemCount; ++i) {
    gItems[i] = CreateWindowExA(
        0, "BUTTON", items[i],
        WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 8,
        top + i * rowHeight, group->width - 16, rowHeight, Child(kPlayers),
        (HMENU)(INT_PTR)(kFirstItem + i), instance, NULL);
    SendMessageA(gItems[i], WM_SETFONT, (WPARAM)gFonts[kRegular], FALSE);
    SendMessageA(gItems[i], BM_SETCHECK, i == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

/* The dialog responder's thread: it wakes every 2 s, and with Windows Media
 * Player chosen its pass finds nothing to answer. It runs until the process
 * ends. */
static DWORD WINAPI Responder(LPVOID unused) {
  (void)unused;
  while (gResponderRuns) Sleep(2000);
  return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame = {0, 0, 0, 0};
  HWND owner;
  HKEY iTunes = NULL;
  MSG msg;
  int i;
  (void)previous;
  (void)show;

  gPlayerPath = commandLine;
  BareManagerPath(gManager, sizeof gManager);
  CreateThread(NULL, 0, Responder, NULL, 0, NULL);
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Media\\iTunes\\shell\\open\\command", 0,
                KEY_READ, &iTunes);

  owner = TopWindow(instance, "SpoolcatApplication", ApplicationProc, "Spoolcat",
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0, 0, 0,
                    NULL);
  /* Parked off every screen, where Wine never maps it. */
  SetWindowPos(owner, NULL, -32000, -32000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(owner, SW_SHOWNOACTIVATE);

  /* Arial with 12-pixel characters: regular, bold (the status line), and
   * underlined (the company link). */
  for (i = 0; i < 3; ++i)
    gFonts[i] = CreateFontA(-12, 0, 0, 0, i == kBold ? FW_BOLD : FW_NORMAL, FALSE, i == kLink,
                            FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
  gMeasurer = CreateCompatibleDC(NULL);

  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  gClientWidth = kOuterWidth - (frame.right - frame.left);
  gFrameHeight = frame.bottom - frame.top;
  LayOut(kOuterHeight - gFrameHeight);
  gWindow = TopWindow(instance, "TfrmMain", MainProc, "Spoolcat:", style, WS_EX_CONTROLPARENT,
                      kOuterWidth, gOuterHeight, owner);
  if (gWindow == NULL) return 1;
  CreateChildren(instance, iTunes);
  if (iTunes != NULL) RegCloseKey(iTunes);

  RunManager("Check");
  SetTimer(gWindow, kStatusTimer, 1000, NULL);
  SetWindowPos(gWindow, NULL, (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - gOuterHeight) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(gWindow, SW_SHOW);

  /* Tab and the arrow keys move between the controls, as in the program. */
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (IsWindow(gWindow) && IsDialogMessageA(gWindow, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
