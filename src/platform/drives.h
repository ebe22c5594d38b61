// Lists the machine's drives, for the search for the installation disc.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum : uint32_t { kDriveCdRom = 5 };

// A bit per drive: bit 0 for A: up to bit 25 for Z:. 0 on systems without drive letters.
uint32_t OsGetLogicalDrives();
// The drive type of a root path ("E:\"); kDriveCdRom for a CD-ROM drive.
uint32_t OsGetDriveType(const char* root);
// The volume label of a root path. Returns false, with an empty label, if the drive holds
// no readable medium or the label cannot be written in code page 932.
bool OsGetVolumeLabel(const char* root, char* label, size_t cap);
