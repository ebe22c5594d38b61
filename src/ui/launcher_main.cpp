// Program entry: find the disc, load its description and the record, then run the window.
#include <windows.h>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/platform.h"
#include "platform/win32/gui.h"
#include "setup_source/disc_discovery.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"
#include "ui/launcher.h"

HINSTANCE g_Instance;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  OsPrepareProcess();
  g_InstallKind = kInstallNone;
  g_TypeMask = 0;
  g_Instance = instance;

  int drive = FindSourceDisc();
  if (drive < 0) {
    OsMessageBox(nullptr, "BrellvanのCDが見つかりません", "SETUP.EXE　エラー");
    return 0;
  }
  char root[8];
  FormatText(root, sizeof root, "%c:\\", 'A' + drive);
  OsSetCurrentFolder(root);

  OpenSetupFile();
  LoadSetupDescription();
  CloseSetupFile();
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);

  if (!CreateMainWindow(showCommand)) return 0;
  SetButtonStates(IsGameInstalled());
  FocusFirstButton();
  GuiRunMessageLoop(HandleMainWindowKey);
  return 0;
}
