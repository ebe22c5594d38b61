// The four yes/no dialogs. Each clears its flags on opening and sets them on はい; the
// opener reads the flags, never the dialog result (always 1).
#include "install/install_selection.h"
#include "platform/win32/gui.h"
#include "resources/resource_ids.h"
#include "text/bounded_text.h"
#include "ui/launcher.h"
#include "ui/shared/dialog_outcome.h"

static void SetMessage(HWND dialog, const char* format, const char* value) {
  char text[1024];
  FormatText(text, sizeof text, format, value);
  GuiSetItemText(dialog, IDC_MESSAGE_TEXT, text);
}

static void SetTitleCaption(HWND dialog) {
  char caption[1024];
  FormatText(caption, sizeof caption, "%s", g_Setup.TITLE);
  GuiSetWindowText(dialog, caption);
}

// 1 for はい, 2 for いいえ (and Escape or the close box), 0 for anything else.
static int Answer(HWND dialog, UINT message, WPARAM wParam) {
  if (message != WM_COMMAND) return 0;
  int id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return 0;
  EndDialog(dialog, 1);
  return id;
}

INT_PTR CALLBACK FolderMakeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    g_DialogOutcome.confirmed = 0;
    SetMessage(dialog, "%sのフォルダを作成してもいいですか？", g_InstallFolder);
    return TRUE;
  }
  int answer = Answer(dialog, message, wParam);
  if (answer == IDOK) g_DialogOutcome.confirmed = 1;
  return answer != 0;
}

INT_PTR CALLBACK FolderOkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    g_DialogOutcome.confirmed = 0;
    SetMessage(dialog, "%s\nにインストールします。よろしいですか？", g_InstallFolder);
    return TRUE;
  }
  int answer = Answer(dialog, message, wParam);
  if (answer == IDOK) g_DialogOutcome.confirmed = 1;
  return answer != 0;
}

INT_PTR CALLBACK ExitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    g_DialogOutcome.confirmed = 0;
    SetTitleCaption(dialog);
    SetMessage(dialog, "%s のセットアップを終了してよろしいですか？", g_Setup.TITLE);
    g_DialogOutcome.exitConfirmed = 0;
    return TRUE;
  }
  int answer = Answer(dialog, message, wParam);
  if (answer == IDOK) g_DialogOutcome.exitConfirmed = 1;
  return answer != 0;
}

INT_PTR CALLBACK UninstallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    g_DialogOutcome.keepSaves = 0;
    g_DialogOutcome.confirmed = 0;
    SetTitleCaption(dialog);
    CheckDlgButton(dialog, IDC_KEEP_SAVES, BST_CHECKED);
    g_DialogOutcome.uninstallConfirmed = 0;
    return TRUE;
  }
  int answer = Answer(dialog, message, wParam);
  if (answer == IDOK) {
    g_DialogOutcome.uninstallConfirmed = 1;
    if (IsDlgButtonChecked(dialog, IDC_KEEP_SAVES) == BST_CHECKED) g_DialogOutcome.keepSaves = 1;
  }
  return answer != 0;
}
