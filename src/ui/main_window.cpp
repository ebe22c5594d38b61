// The launcher's one window: splash on the left, the column of four buttons on the right.
// The window dispatches its buttons' commands; the buttons themselves are main_buttons'.
#include "ui/main_window.h"

#include "install/folder_log.h"
#include "platform/platform.h"
#include "platform/win32/gui_image.h"
#include "platform/win32/gui_window.h"
#include "resources/resource_ids.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "ui/command_flows.h"
#include "ui/main_buttons.h"
#include "ui/main_commands.h"

enum { kClientWidth = 464, kClientHeight = 240, kSplashWidth = 320, kSplashHeight = 240 };

namespace {

// Set while a command of the main window runs its dialogs; the main window then ignores
// its buttons and close requests, so no second flow starts on the same shared state.
bool g_CommandRunning;

char g_ClassName[kTitleCapacity + 1];

void OnSize(HWND window, LPARAM lParam) {
  // Whatever the system's frame and caption sizes, the client stays 464 x 240.
  RECT outer;
  GetWindowRect(window, &outer);
  int clientWidth = LOWORD(lParam);
  int clientHeight = HIWORD(lParam);
  MoveWindow(window, outer.left, outer.top, (outer.right - outer.left) - clientWidth + kClientWidth,
             (outer.bottom - outer.top) - clientHeight + kClientHeight, TRUE);
}

void OnPaint(HWND window) {
  // Read from the disc on every paint; nothing is cached between paints.
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  HBITMAP splash = GuiLoadBitmapFile("setup.bmp", kSplashWidth, kSplashHeight);
  // GetDC, not paint.hdc, whose clip is only the invalid part: the picture always goes out
  // whole. BeginPaint still validates the area, so no WM_PAINT repeats.
  HDC client = GetDC(window);
  HDC memory = CreateCompatibleDC(client);
  // Without a picture the splash area keeps the class's grey background.
  if (splash != nullptr) {
    HGDIOBJ previous = SelectObject(memory, splash);
    BitBlt(client, 0, 0, kSplashWidth, kSplashHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
  }
  ReleaseDC(window, client);
  DeleteDC(memory);
  if (splash != nullptr) DeleteObject(splash);
  EndPaint(window, &paint);
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
      OnSize(window, lParam);
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
    case WM_SETFOCUS:
      // The window itself takes no keys: whenever it is activated, a button gets them.
      FocusFirstButton();
      return 0;
    case WM_DESTROY:
      ReleaseFolderLog();
      PostQuitMessage(0);
      return 0;
  }
  return GuiDefWindowProc(window, message, wParam, lParam);
}

}  // namespace

bool CreateMainWindow(int showCommand) {
  CopyText(g_ClassName, sizeof g_ClassName, g_Setup.TITLE);
  GuiRegisterWindowClass(g_ClassName, MainWindowProc, IDI_LAUNCHER);

  // Centred on the client height (240), not the window's 256.
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  int x = ((desktop.right - desktop.left) - kClientWidth) / 2;
  int y = ((desktop.bottom - desktop.top) - kClientHeight) / 2;
  HWND window =
      GuiCreateWindow(g_ClassName, g_Setup.TITLE, WS_SYSMENU, x, y, kClientWidth, 256, nullptr, 0);
  if (window == nullptr) return false;
  OsSetMainWindow(window);
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  CreateMainButtons(window);
  return true;
}
