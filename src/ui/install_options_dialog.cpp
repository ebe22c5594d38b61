// The INSTALL dialog: the player picks how much to install (minimum, maximum or custom)
// and the folder, and sees the size of each choice.
#include "ui/install_options_dialog.h"

#include "install/folder_normalise.h"
#include "install/free_space.h"
#include "install/install_folder_judgement.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "install/path_limits.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
#include "platform/platform.h"
#include "platform/win32/gui_dialog.h"
#include "platform/win32/gui_folder_browser.h"
#include "platform/windows_folder.h"
#include "resources/resource_ids.h"
#include "text/bounded_text.h"
#include "text/size_text.h"
#include "ui/dialog_outcome.h"

// The custom install offers data types 0 to 4, one check box each; types 0 and 1 are
// always installed.
namespace {

enum { kCustomTypeCount = 5 };
const TypeMask kMandatoryTypes = 0x03;

void SetSizeLabel(HWND dialog, int id, int32_t bytes) {
  char text[16];
  FormatSizeText(text, sizeof text, bytes);
  GuiSetItemText(dialog, id, text);
}

void CheckKind(HWND dialog, int chosen) {
  // Custom is not in the same radio group as the other two, so uncheck the others here.
  for (int id = IDC_KIND_MINIMUM; id <= IDC_KIND_CUSTOM; ++id) {
    CheckDlgButton(dialog, id, id == chosen ? BST_CHECKED : BST_UNCHECKED);
  }
}

// The folder a record names comes first, so that an install again (a repair) goes back to
// where the game is instead of stranding it.
void OfferFolder() {
  ReadRecordedFolder(g_Setup.ProductKeyPath, g_InstallFolder, sizeof g_InstallFolder);
  if (g_InstallFolder[0] != '\0') return;
  FormDefaultInstallFolder(g_Setup.DEFDIR, g_Setup.PATH, g_InstallFolder, sizeof g_InstallFolder);
}

void OnOpen(HWND dialog) {
  OfferFolder();
  GuiSetItemText(dialog, IDC_FOLDER_EDIT, g_InstallFolder);
  for (int id = IDC_TYPE0_CHECK; id <= IDC_TYPE4_CHECK; ++id) {
    CheckDlgButton(dialog, id, BST_CHECKED);
  }
  CheckKind(dialog, IDC_KIND_MAXIMUM);
  SetSizeLabel(dialog, IDC_SIZE_MINIMUM, g_Setup.sets[kInstallS].size);
  SetSizeLabel(dialog, IDC_SIZE_MAXIMUM, g_Setup.sets[kInstallB].size);
  for (int type = 0; type < kCustomTypeCount; ++type) {
    SetSizeLabel(dialog, IDC_SIZE_TYPE0 + type, g_Setup.types[type].size);
  }
}

void OnBrowse(HWND dialog) {
  char prompt[1024];
  FormatText(prompt, sizeof prompt, "選択したフォルダの下に%sを作成します", g_Setup.PATH);
  char chosen[kPathSize];
  if (!GuiChooseFolder(dialog, chosen, sizeof chosen, prompt)) return;
  JoinPath(g_InstallFolder, sizeof g_InstallFolder, chosen, g_Setup.PATH);
  GuiSetItemText(dialog, IDC_FOLDER_EDIT, g_InstallFolder);
}

TypeMask CustomMask(HWND dialog) {
  TypeMask mask = kMandatoryTypes;
  for (int type = 2; type < kCustomTypeCount; ++type) {
    if (IsDlgButtonChecked(dialog, IDC_TYPE0_CHECK + type) == BST_CHECKED) mask |= 1u << type;
  }
  return mask;
}

// Checked before anything is created. If the choice needs more than the free space on the
// drive that will hold the folder, a box says so and the dialog stays open for another
// choice.
bool ExtentFits(HWND dialog, TypeMask mask) {
  uint64_t required = RequiredBytes(g_InstallFolder, mask);
  uint64_t free;
  if (!IsShortOfSpace(g_InstallFolder, required, &free)) return true;
  char requiredText[24];
  char freeText[24];
  FormatByteSize(requiredText, sizeof requiredText, required);
  FormatByteSize(freeText, sizeof freeText, free);
  char message[256];
  FormatText(message, sizeof message,
             "インストール先のドライブの空き容量が足りません。\n必要な容量：%s\n空き容量：%s",
             requiredText, freeText);
  OsMessageBox(dialog, message, "空き容量の不足");
  return false;
}

// Refuses a drive root or the Windows folder, where an uninstall would delete files that
// are not the game's. Also refuses a folder that Windows would read as another name or as
// a device, one too long for Windows to create or to hold the game's files, and one that
// did not fit whole (taken is false). This runs before the free-space check, and the
// dialog stays open.
bool FolderAllowed(HWND dialog, TypeMask mask, bool taken) {
  char windowsFolder[kPathSize];
  OsGetWindowsFolder(windowsFolder, sizeof windowsFolder);
  if (taken && JudgeInstallFolder(g_InstallFolder, mask, windowsFolder) == kFolderAccepted) {
    return true;
  }
  OsMessageBox(dialog,
               "このフォルダにはインストールできません。\nほかのフォルダを指定してください。",
               "フォルダ名の失敗");
  return false;
}

void OnStart(HWND dialog) {
  // Kind and mask are stored only when the install goes ahead, so pressing 戻る (Back) after a
  // refusal leaves them as they were.
  uint32_t kind = g_InstallKind;
  TypeMask mask = g_TypeMask;
  if (IsDlgButtonChecked(dialog, IDC_KIND_MINIMUM) != BST_UNCHECKED) {
    kind = kInstallMinimum;
    mask = g_Setup.sets[kInstallS].mask;
  }
  if (IsDlgButtonChecked(dialog, IDC_KIND_MAXIMUM) != BST_UNCHECKED) {
    kind = kInstallMaximum;
    mask = g_Setup.sets[kInstallB].mask;
  }
  if (IsDlgButtonChecked(dialog, IDC_KIND_CUSTOM) != BST_UNCHECKED) {
    kind = kInstallCustom;
    mask = CustomMask(dialog);
  }
  static char shownFolder[sizeof g_InstallFolder];
  CopyText(shownFolder, sizeof shownFolder, g_InstallFolder);
  // A character with no code page 932 form comes back as '?', which no folder name may
  // contain. The install then reports that the folder cannot be created. A text too long
  // for the buffer is refused, never used cut.
  bool taken = GuiGetItemText(dialog, IDC_FOLDER_EDIT, g_InstallFolder, sizeof g_InstallFolder);
  taken = taken && NormaliseInstallFolder();
  if (!FolderAllowed(dialog, mask, taken) || !ExtentFits(dialog, mask)) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, shownFolder);
    return;
  }
  g_InstallKind = kind;
  g_TypeMask = mask;
  EndDialog(dialog, 1);
  g_DialogOutcome.confirmed = 1;
}

}  // namespace

INT_PTR CALLBACK InstallOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    OnOpen(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_KIND_MINIMUM:
    case IDC_KIND_MAXIMUM:
    case IDC_KIND_CUSTOM:
      CheckKind(dialog, LOWORD(wParam));
      return TRUE;
    case IDC_BROWSE:
      OnBrowse(dialog);
      return TRUE;
    case IDOK:
      OnStart(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, 1);
      return TRUE;
  }
  return FALSE;
}
