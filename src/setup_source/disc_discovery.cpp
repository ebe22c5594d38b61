#include "setup_source/disc_discovery.h"

#include <stdint.h>
#include <string.h>

#include "platform/drives.h"
#include "text/bounded_text.h"

int FindSourceDisc() {
  uint32_t drives = OsGetLogicalDrives();
  for (int index = 0; index < 26; ++index, drives >>= 1) {
    if ((drives & 1u) == 0) continue;
    char root[4];
    FormDriveRoot(index, root);
    if (OsGetDriveType(root) != kDriveCdRom) continue;
    if (IsSourceDisc(index)) return index;
  }
  return -1;
}

bool IsSourceDisc(int driveIndex) {
  if (driveIndex < 0 || driveIndex > 25) return false;
  char root[4];
  FormDriveRoot(driveIndex, root);
  // A drive with no readable disc gives an empty label, so it does not match.
  char label[128];
  OsGetVolumeLabel(root, label, sizeof label);
  return strcmp(label, "BV") == 0;
}

void FormDriveRoot(int driveIndex, char (&root)[4]) {
  FormatText(root, sizeof root, "%c:\\", 'A' + driveIndex);
}
