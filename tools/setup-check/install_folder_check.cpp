#include "install_folder_check.h"

#include "diagnostics.h"
#include "install/folder_normalise.h"
#include "install/install_selection.h"
#include "install/path_limits.h"
#include "install/refused_folder.h"
#include "platform/windows_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "text/path_text.h"

namespace {

bool IsAbsoluteOnDrive(const char* folder) {
  return HasDriveLetter(folder) && IsPathSeparator(folder[2]);
}

}  // namespace

void CheckDefaultInstallFolder(int defdirLine, int pathLine) {
  // The dialog's own steps on the global folder, which is put back afterwards.
  char saved[kFolderCapacity + 1];
  CopyText(saved, sizeof saved, g_InstallFolder);
  FormatText(g_InstallFolder, sizeof g_InstallFolder, "%s\\%s", g_Setup.DEFDIR, g_Setup.PATH);
  NormaliseInstallFolder();
  char folder[kFolderCapacity + 1];
  CopyText(folder, sizeof folder, g_InstallFolder);
  CopyText(g_InstallFolder, sizeof g_InstallFolder, saved);

  if (!IsAbsoluteOnDrive(g_Setup.DEFDIR)) {
    AddDiagnostic(defdirLine, kSetupWarning,
                  "DEFDIR \"%s\" is not an absolute folder on a drive (X:\\...): the install "
                  "dialog offers \"%s\", which depends on where the launcher runs",
                  g_Setup.DEFDIR, folder);
  }
  int line = defdirLine > pathLine ? defdirLine : pathLine;
  char windows[kFolderCapacity + 1];
  const char* assumed = "";
  if (!OsGetWindowsFolder(windows, sizeof windows)) {
    CopyText(windows, sizeof windows, "C:\\Windows");
    assumed = " (assumed here, where the system has none)";
  }
  if (IsDriveRoot(folder)) {
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) is the root of a "
                  "drive: the launcher refuses to install there",
                  folder);
  } else if (IsRefusedInstallFolder(folder, "")) {  // with no Windows folder: the name rules
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) has a folder name "
                  "that ends in a dot or a blank, which Windows drops: the launcher refuses to "
                  "install there",
                  folder);
  } else if (IsRefusedInstallFolder(folder, windows)) {
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) lies in the "
                  "Windows folder %s%s: the launcher refuses to install there",
                  folder, windows, assumed);
  }
  // 開始 measures the maximum install, the deepest the player can ask for.
  if (!InstallPathsFit(folder, g_Setup.sets[kInstallB].mask)) {
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) is too long: a "
                  "folder or file of the maximum install would pass Windows' 247 or 259 "
                  "characters, and the launcher refuses it",
                  folder);
  }
}
