// The general platform calls on Windows, through the wide API.
#include "platform/platform.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetCurrentFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  wchar_t wide[kWideCapacity];
  DWORD n = GetCurrentDirectoryW(kWideCapacity, wide);
  if (n == 0 || n >= kWideCapacity) return false;
  return FromWideStrict(wide, out, cap);
}

bool OsSetCurrentFolder(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) && SetCurrentDirectoryW(wide) != FALSE;
}

void OsMessageBox(WindowHandle owner, const char* text, const char* caption) {
  wchar_t wideText[kWideCapacity];
  wchar_t wideCaption[kWideCapacity];
  ToWideShown(text, wideText, kWideCapacity);
  ToWideShown(caption, wideCaption, kWideCapacity);
  MessageBoxW(static_cast<HWND>(owner), wideText, wideCaption, MB_OK);
}

void OsPrepareProcess() {
  // With this, an empty CD-ROM drive reads as an empty label instead of making the system
  // show a "no disk" box.
  SetErrorMode(SEM_FAILCRITICALERRORS);
}
