// The start-up steps: find the disc, load setup.ini and the install record, then show the
// window.
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
  // Settings that setup.ini leaves out keep these defaults. The install state needs no
  // setting: all zeros means nothing is installed.
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

// Two launchers sharing one record could install into two folders, and an uninstall would
// then forget one of them. So a second launcher for the same key brings the first one to
// the front and exits.
bool OneLauncherStep(int) { return GuiClaimLauncherLock(g_Setup.ProductKeyPath); }

bool ReadRecordStep(int) {
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  return true;
}

bool ShowMainWindowStep(int showCommand) { return CreateMainWindow(showCommand); }

bool SetButtonsStep(int) {
  AddMainButtons(IsGameInstalled());
  FocusFirstButton();
  return true;
}
