// Checks whether the launcher will find the disc that setup-check was pointed at. When
// that is the root of a drive (only in the Windows build), it checks the drive's type and
// label, and runs the launcher's own search over all drives.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct DiscDrive {
  bool isDriveRoot;  // if false, it is a folder and the fields below are not set
  char root[4];      // "Q:\"
  uint32_t type;     // as returned by OsGetDriveType
  char label[128];
  bool found;  // the launcher's search would pick this drive
};

extern DiscDrive g_DiscDrive;

// Fills g_DiscDrive from the current folder, and adds a warning for each reason the
// launcher would not pick this disc.
void CheckDiscDrive();

// "CD-ROM drive", "hard disk", ... for the text report; "cdrom", "fixed", ... for JSON.
const char* DriveTypeText(uint32_t type);
const char* DriveTypeName(uint32_t type);
