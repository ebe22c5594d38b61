// The launcher's only window: the splash picture on the left and a column of four buttons
// on the right. This file handles the window's messages and runs the buttons' commands;
// the buttons themselves are made in main_buttons.cpp.
#include "ui/main_window.h"

#include "install/folder_log.h"
#include "platform/platform.h"
#include "platform/win32/gui_image.h"
#include "platform/win32/gui_launcher_lock.h"
#include "platform/win32/gui_scale.h"
#include "platform/win32/gui_window.h"
#include "resources/resource_ids.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "ui/command_flows.h"
#include "ui/main_buttons.h"
#include "ui/main_commands.h"

enum { kClientWidth = 464, kClientHeight = 240, kSplashWidth = 320, kSplashHeight = 240 };
// Posted to the main window when it is activated while a command's dialog is open.
enum { kBringDialogForward = WM_APP + 1 };

namespace {

// Set while a main window command runs its dialogs. Meanwhile the main window ignores its
// buttons and close requests, so that a second command cannot start and change the same
// shared state.
bool g_CommandRunning;

char g_ClassName[kTitleCapacity + 1];

// The window's DPI: every size above is at 96 DPI and drawn at this one.
int g_Dpi = 96;
// Loaded at the first paint that finds it and kept, so the picture stays when the disc is
// taken out and a repaint does not spin the drive up.
HBITMAP g_Splash;

void LockClientSize(HWND window, int clientWidth, int clientHeight) {
  // Keep the inside of the window at 464 x 240 at the window's DPI, whatever the system's
  // frame and caption sizes. At that size already, a move would change nothing.
  if (clientWidth == GuiScale(kClientWidth, g_Dpi) &&
      clientHeight == GuiScale(kClientHeight, g_Dpi)) {
    return;
  }
  RECT outer;
  GetWindowRect(window, &outer);
  MoveWindow(window, outer.left, outer.top,
             (outer.right - outer.left) - clientWidth + GuiScale(kClientWidth, g_Dpi),
             (outer.bottom - outer.top) - clientHeight + GuiScale(kClientHeight, g_Dpi), TRUE);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  if (g_Splash == nullptr) g_Splash = GuiLoadBitmapFile("setup.bmp", kSplashWidth, kSplashHeight);
  // Use GetDC, not paint.hdc, because paint.hdc only draws the part that needs repainting,
  // and the picture is always drawn whole. BeginPaint still marks the area as painted, so
  // WM_PAINT does not repeat.
  HDC client = GetDC(window);
  HDC memory = CreateCompatibleDC(client);
  // If there is no picture, the splash area keeps the class's grey background.
  if (g_Splash != nullptr) {
    HGDIOBJ previous = SelectObject(memory, g_Splash);
    SetStretchBltMode(client, HALFTONE);
    SetBrushOrgEx(client, 0, 0, nullptr);
    StretchBlt(client, 0, 0, GuiScale(kSplashWidth, g_Dpi), GuiScale(kSplashHeight, g_Dpi), memory,
               0, 0, kSplashWidth, kSplashHeight, SRCCOPY);
    SelectObject(memory, previous);
  }
  ReleaseDC(window, client);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

void OnDpiChanged(HWND window, int dpi, const RECT& suggested) {
  g_Dpi = dpi;
  ScaleMainButtons(dpi);
  GuiSetWindowIcons(window, IDI_LAUNCHER, dpi);
  // The size lock then makes the inside exactly the scaled size.
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}

void RunCommand(void (*command)()) {
  if (g_CommandRunning) return;
  g_CommandRunning = true;
  command();
  g_CommandRunning = false;
  FocusFirstButton();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LockClientSize(window, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_INSTALL_BUTTON:
          RunCommand(RunInstallFlow);
          return 0;
        case IDC_UNINSTALL_BUTTON:
          RunCommand(RunUninstallFlow);
          return 0;
        case IDC_RUN_GAME_BUTTON:
          RunCommand(StartGame);
          return 0;
        case IDC_EXIT_BUTTON:
          RunCommand(ConfirmExit);
          return 0;
      }
      break;
    case WM_CLOSE:
      RunCommand(ConfirmExit);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      // The command's dialogs have no owner, so the main window can come to the front over
      // them, and its buttons then do nothing: pass the activation on to the open dialog,
      // once this one is done.
      if (g_CommandRunning && LOWORD(wParam) != WA_INACTIVE) {
        GuiPostMessage(window, kBringDialogForward, 0, 0);
      }
      break;
    case kBringDialogForward:
      if (HWND dialog = GuiOpenDialog()) SetForegroundWindow(dialog);
      return 0;
    case WM_SETFOCUS:
      // The window itself handles no keys, so whenever it gets focus, pass it to a button.
      FocusFirstButton();
      return 0;
    case WM_DESTROY:
      ReleaseFolderLog();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      // The buttons are gone by now.
      DeleteMainButtonFont();
      if (g_Splash != nullptr) DeleteObject(g_Splash);
      g_Splash = nullptr;
      break;
  }
  return GuiDefWindowProc(window, message, wParam, lParam);
}

}  // namespace

bool CreateMainWindow(int showCommand) {
  CopyText(g_ClassName, sizeof g_ClassName, g_Setup.TITLE);
  GuiRegisterWindowClass(g_ClassName, MainWindowProc, IDI_LAUNCHER);

  // Centre the window by its inside (464 x 240), not by its outer size.
  g_Dpi = GuiWindowDpi(nullptr);
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  int x = ((desktop.right - desktop.left) - GuiScale(kClientWidth, g_Dpi)) / 2;
  int y = ((desktop.bottom - desktop.top) - GuiScale(kClientHeight, g_Dpi)) / 2;
  // Made at the outer size for that inside, so that showing it needs no resize; the size
  // lock still mends a frame of another size. A top-level window always gets a caption.
  SIZE outer = GuiOuterSize(WS_CAPTION | WS_SYSMENU, GuiScale(kClientWidth, g_Dpi),
                            GuiScale(kClientHeight, g_Dpi), g_Dpi);
  HWND window =
      GuiCreateWindow(g_ClassName, g_Setup.TITLE, WS_SYSMENU, x, y, outer.cx, outer.cy, nullptr, 0);
  if (window == nullptr) return false;
  OsSetMainWindow(window);
  // The window may stand on a monitor of another DPI than the screen's first one.
  int dpi = GuiWindowDpi(window);
  if (dpi != g_Dpi) {
    g_Dpi = dpi;
    RECT client;
    GetClientRect(window, &client);
    LockClientSize(window, client.right, client.bottom);
  }
  // The class's icons were loaded for the screen's DPI; a window on a monitor of another
  // DPI needs its own.
  if (g_Dpi != GuiWindowDpi(nullptr)) GuiSetWindowIcons(window, IDI_LAUNCHER, g_Dpi);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  return true;
}

void AddMainButtons(bool installed) { CreateMainButtons(GuiMainWindow(), g_Dpi, installed); }
