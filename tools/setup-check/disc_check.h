// Whether the launcher will find the disc that setup-check was pointed at: when that is
// the root of a drive (the Windows build), its type and label, and the launcher's own
// search over all drives.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct DiscDrive {
  bool isDriveRoot;  // false: a folder, nothing else below is known
  char root[4];      // "Q:\"
  uint32_t type;     // as OsGetDriveType
  char label[128];
  bool found;  // the launcher's search ends at this drive
};

extern DiscDrive g_DiscDrive;

// Fills g_DiscDrive from the current folder, with a warning for each reason the launcher
// will not take this disc.
void CheckDiscDrive();

// "CD-ROM drive", "hard disk", ... for the text report; "cdrom", "fixed", ... for JSON.
const char* DriveTypeText(uint32_t type);
const char* DriveTypeName(uint32_t type);
