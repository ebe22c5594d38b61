// Modal dialogs from the module's templates and the texts of their items.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "platform/win32/gui.h"
#include "platform/win32/wide_text.h"

// The copy dialog's progress bar is a common control. Its library is mapped with the first
// dialog rather than at start-up, where it would hold back the main window.
static void RegisterProgressControl() {
  static bool registered;
  if (registered) return;
  registered = true;
  HMODULE library = LoadLibraryW(L"comctl32.dll");
  if (library == nullptr) return;
  typedef BOOL(WINAPI * InitControls)(const INITCOMMONCONTROLSEX*);
  InitControls init = reinterpret_cast<InitControls>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  if (init != nullptr) init(&controls);
}

INT_PTR GuiDialogBox(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure) {
  RegisterProgressControl();
  wchar_t wideName[64];
  if (!ToWide(templateName, wideName, 64)) return -1;
  return DialogBoxParamW(instance, wideName, owner, procedure, 0);
}

void GuiSetItemText(HWND dialog, int id, const char* text) {
  GuiSetWindowText(GetDlgItem(dialog, id), text);
}

bool GuiToCodePage932Marked(const wchar_t* text, char* out, size_t cap) {
  if (cap == 0) return false;
  // One character at a time: one without a code page 932 form is marked, and a cut at cap
  // never splits a character.
  size_t used = 0;
  bool exact = true;
  for (const wchar_t* p = text; *p != L'\0'; ++p) {
    int units = (p[0] >= 0xD800 && p[0] <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) ? 2 : 1;
    char bytes[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, p, units, bytes, sizeof bytes, "?",
                                &usedDefault);
    if (n <= 0 || usedDefault) {
      bytes[0] = '?';
      n = 1;
      exact = false;
    }
    if (used + static_cast<size_t>(n) >= cap) break;
    for (int i = 0; i < n; ++i) out[used++] = bytes[i];
    p += units - 1;
  }
  out[used] = '\0';
  return exact;
}

bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap) {
  wchar_t wide[kWideCapacity];
  GetDlgItemTextW(dialog, id, wide, kWideCapacity);
  return GuiToCodePage932Marked(wide, out, cap);
}

void GuiSetWindowText(HWND window, const char* text) {
  wchar_t wide[kWideCapacity];
  ToWideShown(text, wide, kWideCapacity);
  SetWindowTextW(window, wide);
}
