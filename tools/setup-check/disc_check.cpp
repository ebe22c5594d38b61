#include "disc_check.h"

#include <string.h>

#include "diagnostics.h"
#include "path/drive_prefix.h"
#include "platform/drives.h"
#include "setup_source/disc_discovery.h"
#include "setup_source/setup_description.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"

DiscDrive g_DiscDrive;

namespace {

// Indexed by the system's drive type codes, 0 to 6.
const char* const kTypeTexts[] = {
    "drive of unknown type", "missing drive", "removable drive", "hard disk",
    "network drive",         "CD-ROM drive",  "RAM disk"};
const char* const kTypeNames[] = {"unknown", "none",  "removable", "fixed",
                                  "remote",  "cdrom", "ramdisk"};

}  // namespace

const char* DriveTypeText(uint32_t type) { return type <= 6 ? kTypeTexts[type] : kTypeTexts[0]; }
const char* DriveTypeName(uint32_t type) { return type <= 6 ? kTypeNames[type] : kTypeNames[0]; }

void CheckDiscDrive() {
  memset(&g_DiscDrive, 0, sizeof g_DiscDrive);
  // The loader stored the current folder here; a drive root looks like "Q:\".
  const char* folder = g_Setup.SourceFolder;
  if (!IsDriveRoot(folder)) return;
  g_DiscDrive.isDriveRoot = true;
  char letter = ToAsciiUpper(folder[0]);
  FormatText(g_DiscDrive.root, sizeof g_DiscDrive.root, "%c:\\", letter);
  g_DiscDrive.type = OsGetDriveType(g_DiscDrive.root);
  OsGetVolumeLabel(g_DiscDrive.root, g_DiscDrive.label, sizeof g_DiscDrive.label);
  int found = FindSourceDisc();
  g_DiscDrive.found = found == letter - 'A';
  if (g_DiscDrive.found) return;

  if (g_DiscDrive.type != kDriveCdRom) {
    AddRuleDiagnostic("disc-drive-not-cdrom", 0, kSetupWarning,
                      "drive %c: is a %s: the launcher looks for its disc only in CD-ROM drives",
                      letter, DriveTypeText(g_DiscDrive.type));
  }
  if (strcmp(g_DiscDrive.label, "BV") != 0) {
    AddRuleDiagnostic("disc-label-not-bv", 0, kSetupWarning,
                      "drive %c: is labelled \"%s\": the launcher finds only a disc labelled BV",
                      letter, g_DiscDrive.label);
  }
  if (found >= 0 && g_DiscDrive.type == kDriveCdRom && strcmp(g_DiscDrive.label, "BV") == 0) {
    AddRuleDiagnostic("disc-not-first", 0, kSetupWarning,
                      "drive %c: comes first and is a CD-ROM drive labelled BV too: the launcher "
                      "takes that disc, not this one",
                      'A' + found);
  }
}
