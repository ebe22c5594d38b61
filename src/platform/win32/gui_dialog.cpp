// Shows modal dialogs from setup.exe's resource templates, and sets and reads the texts
// of their items.
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "platform/win32/gui_dialog.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

// The copy dialog's progress bar is a common control. Its library is loaded when the
// first dialog opens, not at start-up, where it would delay the main window.
static void RegisterProgressControl() {
  static bool registered;
  if (registered) return;
  registered = true;
  HMODULE library = LoadSystemLibrary(L"comctl32.dll");
  if (library == nullptr) return;
  typedef BOOL(WINAPI * InitControls)(const INITCOMMONCONTROLSEX*);
  InitControls init = reinterpret_cast<InitControls>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  if (init != nullptr) init(&controls);
}

INT_PTR GuiDialogBox(const char* templateName, HWND owner, DLGPROC procedure) {
  RegisterProgressControl();
  wchar_t wideName[64];
  if (!ToWideStrict(templateName, wideName, 64)) return -1;
  return DialogBoxParamW(GetModuleHandleW(nullptr), wideName, owner, procedure, 0);
}

void GuiSetItemText(HWND dialog, int id, const char* text) {
  GuiSetWindowText(GetDlgItem(dialog, id), text);
}

bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap) {
  wchar_t wide[kWideCapacity];
  // GetDlgItemTextW cuts silently, so measure the text first.
  if (GetWindowTextLengthW(GetDlgItem(dialog, id)) >= kWideCapacity) {
    out[0] = '\0';
    return false;
  }
  GetDlgItemTextW(dialog, id, wide, kWideCapacity);
  return FromWideMarked(wide, out, cap) != kMarkedCut;
}

void GuiSetWindowText(HWND window, const char* text) {
  wchar_t wide[kWideCapacity];
  ToWideShown(text, wide, kWideCapacity);
  SetWindowTextW(window, wide);
}
