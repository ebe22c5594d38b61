#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

void OsMessageBox(WindowHandle owner, const char* text, const char* caption) {
  wchar_t wideText[kWideCapacity];
  wchar_t wideCaption[kWideCapacity];
  // An unconvertible text is still shown, as far as it converts, rather than lost.
  if (!ToWide(text, wideText, kWideCapacity)) wideText[0] = L'\0';
  if (!ToWide(caption, wideCaption, kWideCapacity)) wideCaption[0] = L'\0';
  MessageBoxW(static_cast<HWND>(owner), wideText, wideCaption, MB_OK);
}

namespace {
WindowHandle g_MessageBoxOwner;
}  // namespace

void OsSetMessageBoxOwner(WindowHandle owner) { g_MessageBoxOwner = owner; }

WindowHandle OsMessageBoxOwner() { return g_MessageBoxOwner; }
