// The window class, windows, the message loop and message sending, through the wide API.
#include "platform/win32/gui_window.h"

#include "platform/win32/wide_text.h"

bool GuiRegisterWindowClass(const char* className, WNDPROC procedure, int iconId) {
  // The class is named after the title, which is display text. Convert it the display way,
  // so a title that is not valid code page 932 still registers, under the same name that
  // GuiCreateWindow later asks for.
  wchar_t wideName[kWideCapacity];
  ToWideShown(className, wideName, kWideCapacity);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(iconId));
  // The image the system would take for the small icon, loaded here: deriving it from
  // hIcon costs more.
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = wideName;
  return RegisterClassExW(&windowClass) != 0;
}

HWND GuiCreateWindow(const char* className, const char* title, DWORD style, int x, int y, int width,
                     int height, HWND parent, int id) {
  wchar_t wideClass[kWideCapacity];
  wchar_t wideTitle[kWideCapacity];
  ToWideShown(className, wideClass, kWideCapacity);
  ToWideShown(title, wideTitle, kWideCapacity);
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  return CreateWindowExW(0, wideClass, wideTitle, style, x, y, width, height, parent, menu,
                         GetModuleHandleW(nullptr), nullptr);
}

LRESULT GuiDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT GuiSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(window, message, wParam, lParam);
}

void GuiPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageW(window, message, wParam, lParam);
}

int GuiRunMessageLoop(GuiKeyHandler keys) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // A key the handler acted on must not also be turned into a character.
    if (keys != nullptr && keys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void GuiPumpPendingMessages(HWND dialog) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Post it again for the main loop, which ends the program.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (dialog != nullptr && IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
