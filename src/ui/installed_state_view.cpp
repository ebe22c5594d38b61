// Keeping the buttons in line with the install on record and on disk.
#include <stdint.h>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/file_system.h"
#include "setup_source/file_set.h"
#include "text/bounded_text.h"
#include "ui/launcher.h"

static bool EveryRecordedFilePresent() {
  // Every entry is visited, so the walk always runs to the end of the set.
  bool present = true;
  BeginFileSet(g_TypeMask);
  char relative[kFileNameCapacity + 1];
  while (NextFileInSet(relative, sizeof relative) == 0) {
    char path[1024];
    uint32_t attributes;
    // A path too long to form cannot be asked about; it counts as missing.
    if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, relative) ||
        !OsGetFileAttributes(path, &attributes)) {
      present = false;
    }
  }
  return present;
}

void EvaluateInstalledState() {
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  bool installed = g_InstallFolder[0] != '\0';
  if (g_InstallKind != kInstallNone && installed) installed = EveryRecordedFilePresent();
  if (g_InstallKind == kInstallNone) installed = false;
  SetButtonStates(installed);
}
