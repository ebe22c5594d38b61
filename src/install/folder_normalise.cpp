// Tidies the install folder the player accepted, in place.
#include "install/folder_normalise.h"

#include "install/install_selection.h"
#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"
#include "platform/file_system.h"
#include "text/bounded_text.h"

namespace {

bool IsFullPath(const char* folder) {
  return (DrivePrefixLength(folder) == 2 && IsPathSeparator(folder[2])) ||
         (IsPathSeparator(folder[0]) && IsPathSeparator(folder[1]));
}

// The system would drop a trailing dot or blank and open a device by its name while making
// the path full, and "D:" alone is the drive's root once tidied, so such a folder stays as
// typed for the start button to refuse.
bool KeptAsTyped(const char* folder) {
  return folder[0] == '\0' || IsFullPath(folder) || IsDriveRoot(folder) ||
         AnyComponent(folder, EndsInDotOrBlank) ||
         AnyComponent(folder + DrivePrefixLength(folder), IsDeviceName);
}

}  // namespace

bool NormaliseInstallFolder() {
  char normalised[sizeof g_InstallFolder];
  if (!NormaliseFolderText(g_InstallFolder, normalised, sizeof normalised)) return false;
  char full[sizeof g_InstallFolder];
  if (KeptAsTyped(normalised)) {
    CopyText(full, sizeof full, normalised);
  } else if (!OsGetFullPath(normalised, full, sizeof full)) {
    return false;
  }
  return CopyText(g_InstallFolder, sizeof g_InstallFolder, full);
}
