// Window DPI, the dialogs' font and icons at a DPI.
#include "platform/win32/gui_scale.h"

#include "platform/win32/wide_text.h"

namespace {

// Both exist only from Windows 10 (1607) on: look them up, so setup.exe still starts on
// older systems, where the whole screen has one DPI.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int IconSize(int metric, int atDefault, int dpi) {
  typedef int(WINAPI * MetricsForDpi)(int, UINT);
  MetricsForDpi forDpi = User32Function<MetricsForDpi>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(metric, static_cast<UINT>(dpi));
  return GuiScale(atDefault, dpi);
}

void SetIcon(HWND window, WPARAM kind, int iconId, int size) {
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, size,
                           size, LR_DEFAULTCOLOR);
  HICON previous = reinterpret_cast<HICON>(
      SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon)));
  if (previous != nullptr) DestroyIcon(previous);
}

}  // namespace

int GuiWindowDpi(HWND window) {
  typedef UINT(WINAPI * DpiForWindow)(HWND);
  DpiForWindow forWindow = User32Function<DpiForWindow>("GetDpiForWindow");
  if (window != nullptr && forWindow != nullptr) {
    UINT dpi = forWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

SIZE GuiOuterSize(DWORD style, int clientWidth, int clientHeight, int dpi) {
  typedef BOOL(WINAPI * AdjustForDpi)(RECT*, DWORD, BOOL, DWORD, UINT);
  AdjustForDpi forDpi = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
  RECT rect = {0, 0, clientWidth, clientHeight};
  if (forDpi != nullptr) {
    forDpi(&rect, style, FALSE, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, 0);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HFONT GuiCreateDialogFont(int dpi) {
  wchar_t face[LF_FACESIZE];
  ToWideShown("ＭＳ Ｐゴシック", face, LF_FACESIZE);
  // As the dialog manager makes a template's font: the point size at the DPI, as a
  // character height.
  return CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

void GuiSetWindowIcons(HWND window, int iconId, int dpi) {
  SetIcon(window, ICON_BIG, iconId, IconSize(SM_CXICON, 32, dpi));
  SetIcon(window, ICON_SMALL, iconId, IconSize(SM_CXSMICON, 16, dpi));
}
