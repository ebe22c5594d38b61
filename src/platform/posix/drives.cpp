// POSIX systems have no drive letters, so the disc search finds nothing.
#include "platform/drives.h"

uint32_t OsGetLogicalDrives() { return 0; }
uint32_t OsGetDriveType(const char*) { return 0; }

bool OsGetVolumeLabel(const char*, char* label, size_t cap) {
  if (cap > 0) label[0] = '\0';
  return false;
}
