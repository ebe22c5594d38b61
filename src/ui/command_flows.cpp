// What happens when the player presses Install or Uninstall: the dialogs, checks and
// engine calls, in order.
#include "ui/command_flows.h"

#include <stdint.h>

#include "install/folder_creation.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "install/uninstaller.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/win32/gui_dialog.h"
#include "platform/win32/gui_window.h"
#include "text/bounded_text.h"
#include "ui/confirm_dialogs.h"
#include "ui/dialog_outcome.h"
#include "ui/file_copy_dialog.h"
#include "ui/install_options_dialog.h"
#include "ui/main_buttons.h"

namespace {

const char kFolderCreateFailedCaption[] = "フォルダの作成の失敗";

void FailInstall(const char* text, const char* caption) {
  g_DialogOutcome.confirmed = 0;
  OsMessageBox(GuiMainWindow(), text, caption);
}

// Called when the install folder is missing: asks the player, then creates every missing
// level. Returns true if the folder now exists.
bool MakeInstallFolder() {
  ShowConfirmDialog(kConfirmFolderMake, nullptr);
  if (!g_DialogOutcome.confirmed) return false;
  int created = CreateFolderPath(g_InstallFolder);
  if (created == 0) {
    FailInstall("フォルダが作成できませんでした。", kFolderCreateFailedCaption);
    return false;
  }
  if (created == -1) {
    FailInstall("フォルダ名と同じファイルが存在します。", kFolderCreateFailedCaption);
    return false;
  }
  if (!IsFolder(g_InstallFolder)) {
    FailInstall("フォルダが作成できませんでした。", kFolderCreateFailedCaption);
    return false;
  }
  return true;
}

void ShowStoredInstalledState() {
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  SetButtonStates(IsGameInstalled());
}

// Records a complete install. Returns false if the record could not be written; the
// buttons then show no install, whatever an older record says, since this one is not it.
bool RecordInstall() {
  if (WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder)) {
    ShowStoredInstalledState();
    return true;
  }
  SetButtonStates(false);
  return false;
}

}  // namespace

void RunInstallFlow() {
  g_DialogOutcome.confirmed = 0;
  GuiDialogBox("INSTALL", nullptr, InstallOptionsDialogProc);
  if (!g_DialogOutcome.confirmed) return;

  uint32_t attributes;
  bool exists = OsGetFileAttributes(g_InstallFolder, &attributes);
  BeginFolderLog();
  // The early returns below skip the final log write on purpose. Each folder was written
  // to the log as soon as it was made (once the install folder existed to hold the log),
  // so another write would add nothing. The log's memory is freed by the next install or
  // when the window closes.
  if (!exists) {
    if (!MakeInstallFolder()) return;
  } else if ((attributes & kAttributeDirectory) != 0) {
    ShowConfirmDialog(kConfirmFolderOk, nullptr);
    if (!g_DialogOutcome.confirmed) return;
  } else {
    FailInstall("フォルダ名と同じファイルが存在します。このフォルダ名は使えません。",
                "フォルダ名の失敗");
    return;
  }

  GuiDialogBox("FILECOPY", nullptr, FileCopyDialogProc);
  // The pass is confirmed only when every file was copied.
  bool recorded = !g_DialogOutcome.confirmed || RecordInstall();
  // The log is written either way, so that an install again and an uninstall remove what
  // this one made.
  WriteFolderLog();
  ReleaseFolderLog();
  if (!recorded) {
    char text[sizeof g_Setup.ProductKeyPath + 64];
    FormatText(text, sizeof text, "インストールの記録を書き込めませんでした。\n%s",
               g_Setup.ProductKeyPath);
    OsMessageBox(GuiMainWindow(), text, "インストールの失敗");
  }
}

void RunUninstallFlow() {
  g_DialogOutcome.uninstallConfirmed = 0;
  ShowConfirmDialog(kConfirmUninstall, nullptr);
  if (!g_DialogOutcome.uninstallConfirmed) return;
  char place[kPathSize];
  UninstallResult result = Uninstall(g_DialogOutcome.keepSaves != 0, place, sizeof place);
  ShowStoredInstalledState();
  if (result == kUninstallDone) return;
  char text[sizeof place + 128];
  if (result == kUninstallRefusedPlace) {
    FormatText(text, sizeof text,
               "%s\nはアンインストールできない場所です。"
               "ゲームのファイルは手動で削除してください。",
               place);
  } else {
    FormatText(text, sizeof text,
               "%s\nの中に削除できなかったものがあります。\n"
               "使っているプログラムを終了してから、手動で削除してください。",
               place);
  }
  OsMessageBox(GuiMainWindow(), text, "削除の失敗");
}
