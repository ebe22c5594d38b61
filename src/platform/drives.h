// The machine's drives, for the disc search.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum : uint32_t { kDriveCdRom = 5 };

// Bit 0 for A: up to bit 25 for Z:; 0 where there are no drive letters.
uint32_t OsGetLogicalDrives();
// The drive type of a root path ("E:\"); kDriveCdRom for a CD-ROM drive.
uint32_t OsGetDriveType(const char* root);
// The volume label of a root path; false (label empty) when the drive holds no readable
// medium or the label has no code page 932 form.
bool OsGetVolumeLabel(const char* root, char* label, size_t cap);
