// The parts of the platform layer that are the same on every system.
#include "platform/platform.h"

namespace {
WindowHandle g_MainWindow;
}  // namespace

void OsSetMainWindow(WindowHandle window) { g_MainWindow = window; }

WindowHandle OsMainWindow() { return g_MainWindow; }
