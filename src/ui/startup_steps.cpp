// Start-up: find the disc, load its description and the record, then show the window.
#include "ui/startup_steps.h"

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/platform.h"
#include "platform/win32/gui_launcher_lock.h"
#include "setup_source/disc_discovery.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"
#include "ui/main_buttons.h"
#include "ui/main_window.h"

bool PrepareProcessStep(int) {
  OsPrepareProcess();
  // The settings a setup.ini leaves out keep these; nothing installed is the zero state.
  ResetSetupDescriptionToDefaults();
  return true;
}

bool FindDiscStep(int) {
  int drive = FindSourceDisc();
  if (drive < 0) {
    OsMessageBox(nullptr, "BrellvanのCDが見つかりません", "SETUP.EXE　エラー");
    return false;
  }
  char root[4];
  FormDriveRoot(drive, root);
  OsSetCurrentFolder(root);
  return true;
}

bool LoadDescriptionStep(int) {
  OpenSetupFile();
  LoadSetupDescription();
  CloseSetupFile();
  return true;
}

// Two launchers on one record could install into two folders, and an uninstall would then
// orphan one: a later launcher for the same key hands over to the first and ends.
bool OneLauncherStep(int) {
  char lockName[64];
  FormLauncherLockName(g_Setup.ProductKeyPath, lockName, sizeof lockName);
  return GuiClaimLauncherLock(lockName);
}

bool ReadRecordStep(int) {
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  return true;
}

bool ShowMainWindowStep(int showCommand) { return CreateMainWindow(showCommand); }

bool SetButtonsStep(int) {
  SetButtonStates(IsGameInstalled());
  FocusFirstButton();
  return true;
}
