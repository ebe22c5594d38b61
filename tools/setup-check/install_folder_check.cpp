#include "install_folder_check.h"

#include "diagnostics.h"
#include "install/path_limits.h"
#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"
#include "platform/windows_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

bool IsAbsoluteOnDrive(const char* folder) {
  return HasDriveLetter(folder) && IsPathSeparator(folder[2]);
}

}  // namespace

void CheckDefaultInstallFolder(int defdirLine, int pathLine) {
  // Repeat the install dialog's steps: form the default it offers, then tidy it as 開始
  // does.
  char offered[kFolderCapacity + 1];
  char folder[kFolderCapacity + 1];
  FormDefaultInstallFolder(g_Setup.DEFDIR, g_Setup.PATH, offered, sizeof offered);
  NormaliseFolderText(offered, folder, sizeof folder);

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
  } else if (AnyComponent(folder + DrivePrefixLength(folder), IsDeviceName)) {
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) has a folder name "
                  "Windows reserves for a device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9): the "
                  "launcher refuses to install there",
                  folder);
  } else if (IsRefusedInstallFolder(folder, "")) {  // "": check the name rules only
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
  // Check the maximum install, which has the deepest paths the player can ask for.
  if (!InstallPathsFit(folder, g_Setup.sets[kInstallB].mask)) {
    AddDiagnostic(line, kSetupError,
                  "the default install folder \"%s\" (DEFDIR and PATH joined) is too long: a "
                  "folder or file of the maximum install would pass Windows' 247 or 259 "
                  "characters, and the launcher refuses it",
                  folder);
  }
}
