// The four yes/no dialogs, driven by one dialog procedure and a table. Each dialog clears
// its flag when it opens and sets it when the player presses はい (Yes). The code that opened it
// reads the flag, never the dialog's result, which is always 1.
#include "ui/confirm_dialogs.h"

#include "install/install_selection.h"
#include "platform/win32/gui_dialog.h"
#include "resources/resource_ids.h"
#include "text/bounded_text.h"
#include "ui/dialog_outcome.h"

namespace {

struct ConfirmDialog {
  const char* templateName;
  const char* message;  // with one %s for value
  const char* value;
  bool titleCaption;  // use the game's title as the caption
  uint8_t* answer;    // cleared on opening, set on はい
  bool keepSavesBox;  // has a "keep saves" box, checked on opening; it sets keepSaves
};

const ConfirmDialog kConfirmDialogs[] = {
    {"DIRMAKE", "%sのフォルダを作成してもいいですか？", g_InstallFolder, false,
     &g_DialogOutcome.confirmed, false},
    {"DIROK", "%s\nにインストールします。よろしいですか？", g_InstallFolder, false,
     &g_DialogOutcome.confirmed, false},
    {"ENDBOX", "%s のセットアップを終了してよろしいですか？", g_Setup.TITLE, true,
     &g_DialogOutcome.exitConfirmed, false},
    {"UNINSTALL", nullptr, nullptr, true, &g_DialogOutcome.uninstallConfirmed, true},
};

const ConfirmDialog* g_OpenConfirmDialog;

void OnOpen(HWND dialog, const ConfirmDialog& shown) {
  g_DialogOutcome.confirmed = 0;
  *shown.answer = 0;
  if (shown.titleCaption) {
    char caption[1024];
    FormatText(caption, sizeof caption, "%s", g_Setup.TITLE);
    GuiSetWindowText(dialog, caption);
  }
  if (shown.message != nullptr) {
    char text[1024];
    FormatText(text, sizeof text, shown.message, shown.value);
    GuiSetItemText(dialog, IDC_MESSAGE_TEXT, text);
  }
  if (shown.keepSavesBox) {
    g_DialogOutcome.keepSaves = 0;
    CheckDlgButton(dialog, IDC_KEEP_SAVES, BST_CHECKED);
  }
}

INT_PTR CALLBACK ConfirmDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  const ConfirmDialog& shown = *g_OpenConfirmDialog;
  if (message == WM_INITDIALOG) {
    OnOpen(dialog, shown);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  // はい sends IDOK; いいえ (No), Escape and the close box send IDCANCEL.
  int id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return FALSE;
  EndDialog(dialog, 1);
  if (id == IDOK) {
    *shown.answer = 1;
    if (shown.keepSavesBox && IsDlgButtonChecked(dialog, IDC_KEEP_SAVES) == BST_CHECKED) {
      g_DialogOutcome.keepSaves = 1;
    }
  }
  return TRUE;
}

}  // namespace

void ShowConfirmDialog(ConfirmKind kind, HWND owner) {
  g_OpenConfirmDialog = &kConfirmDialogs[kind];
  GuiDialogBox(g_OpenConfirmDialog->templateName, owner, ConfirmDialogProc);
}
