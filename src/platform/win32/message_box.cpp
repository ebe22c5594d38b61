#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

void OsMessageBox(WindowHandle owner, const char* text, const char* caption) {
  wchar_t wideText[kWideCapacity];
  wchar_t wideCaption[kWideCapacity];
  ToWideShown(text, wideText, kWideCapacity);
  ToWideShown(caption, wideCaption, kWideCapacity);
  MessageBoxW(static_cast<HWND>(owner), wideText, wideCaption, MB_OK);
}
