// The parts of the platform layer that are the same on every system.
#include "platform/platform.h"

#include "platform/file_system.h"

namespace {
WindowHandle g_MainWindow;
}  // namespace

void OsSetMainWindow(WindowHandle window) { g_MainWindow = window; }

WindowHandle OsMainWindow() { return g_MainWindow; }

bool IsFolder(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes) && (attributes & kAttributeDirectory) != 0;
}
