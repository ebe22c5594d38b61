// Program entry: the start-up steps in order, then the main window's message loop.
#include "ui/launcher_main.h"

#include <windows.h>

#include "platform/win32/gui_window.h"
#include "ui/main_window.h"
#include "ui/startup_steps.h"

HINSTANCE g_Instance;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  g_Instance = instance;
  for (StartupStep step : kStartupSteps) {
    if (!step(showCommand)) return 0;
  }
  GuiRunMessageLoop(HandleMainWindowKey);
  return 0;
}
