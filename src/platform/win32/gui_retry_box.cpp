// The retry box. Its buttons are the system's own, asked for in Japanese: a Windows that
// carries Japanese texts shows 再試行 (Retry) and キャンセル (Cancel) whatever its own language, so
// the box reads as one language with the launcher's message.
#include "platform/win32/gui_retry_box.h"

#include "platform/win32/wide_text.h"

bool GuiAskRetry(HWND owner, const char* text, const char* caption) {
  wchar_t wideText[kWideCapacity];
  wchar_t wideCaption[kWideCapacity];
  ToWideShown(text, wideText, kWideCapacity);
  ToWideShown(caption, wideCaption, kWideCapacity);
  return MessageBoxExW(owner, wideText, wideCaption, MB_RETRYCANCEL | MB_ICONWARNING,
                       MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)) == IDRETRY;
}
