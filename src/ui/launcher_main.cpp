// The program's entry point: runs the start-up steps in order, then the main window's
// message loop.
#include <windows.h>

#include "platform/win32/gui_window.h"
#include "platform/win32/system_library.h"
#include "ui/main_buttons.h"
#include "ui/startup_steps.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  // Before anything loads: a DLL on the disc beside setup.exe must never run.
  LoadLibrariesFromSystemFolderOnly();
  for (StartupStep step : kStartupSteps) {
    if (!step(showCommand)) return 0;
  }
  GuiRunMessageLoop(HandleMainWindowKey);
  return 0;
}
