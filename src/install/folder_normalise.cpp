// Tidies the install folder the player accepted, in place.
#include "install/folder_normalise.h"

#include "install/install_selection.h"
#include "path/install_folder_text.h"
#include "text/bounded_text.h"

void NormaliseInstallFolder() {
  char normalised[sizeof g_InstallFolder];
  if (NormaliseFolderText(g_InstallFolder, normalised, sizeof normalised)) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, normalised);
  }
}
