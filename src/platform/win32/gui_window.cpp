// Window class, windows, the message loop and message sends through the wide API.
#include "platform/win32/gui.h"
#include "platform/win32/wide_text.h"

bool GuiRegisterWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure,
                            int iconId) {
  wchar_t wideName[kWideCapacity];
  if (!ToWide(className, wideName, kWideCapacity)) return false;
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = wideName;
  return RegisterClassExW(&windowClass) != 0;
}

HWND GuiCreateWindow(HINSTANCE instance, const char* className, const char* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, int id) {
  wchar_t wideClass[kWideCapacity];
  wchar_t wideTitle[kWideCapacity];
  if (!ToWide(className, wideClass, kWideCapacity)) return nullptr;
  if (!ToWide(title, wideTitle, kWideCapacity)) wideTitle[0] = L'\0';
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  return CreateWindowExW(0, wideClass, wideTitle, style, x, y, width, height, parent, menu,
                         instance, nullptr);
}

LRESULT GuiDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT GuiSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(window, message, wParam, lParam);
}

int GuiRunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void GuiPumpPendingMessages(HWND dialog) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the loop that owns the program's end.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (dialog != nullptr && IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Opening the display is a good part of a start-up under Wine. A thread opens it while the
// main thread reads the disc, so the main window finds it open.
static DWORD WINAPI OpenDisplay(void*) {
  HDC screen = GetDC(nullptr);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return 0;
}

void GuiOpenDisplayInBackground() {
  HANDLE thread = CreateThread(nullptr, 64 * 1024, OpenDisplay, nullptr,
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread != nullptr) CloseHandle(thread);
}
