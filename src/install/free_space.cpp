// Compares the drive's free space with what the chosen install needs, before the install
// folder is created.
#include "install/free_space.h"

#include "install/pass_progress.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "path/save_name.h"
#include "platform/disk_space.h"
#include "platform/file_system.h"
#include "text/bounded_text.h"

uint64_t RequiredBytes(const char* installFolder, TypeMask mask) {
  int32_t count = g_Setup.fileCount < kMaxFileEntries ? g_Setup.fileCount : kMaxFileEntries;
  uint64_t existing = 0;
  for (int32_t i = 0; i < count; ++i) {
    // Only an existing file counts, because the copy replaces it. A folder of that name,
    // or a path too long to form, frees nothing.
    char target[kPathSize];
    uint64_t size;
    if ((g_Setup.files[i].mask & mask) != 0 &&
        JoinPath(target, sizeof target, installFolder, g_Setup.files[i].name) &&
        OsGetFileSize(target, &size)) {
      // A save already there belongs to the player. The copy leaves it alone, so it needs
      // no new space.
      existing += HasSaveExtension(g_Setup.files[i].name) ? g_Setup.files[i].size : size;
    }
  }
  uint64_t extent = PassBytes(mask, -1);
  return existing >= extent ? 0 : extent - existing;
}

bool NearestExistingFolder(const char* path, char* out, size_t cap) {
  // Give up if the path was cut: it would name another folder, perhaps on another drive.
  if (!CopyText(out, cap, path)) return false;
  for (;;) {
    uint32_t attributes;
    if (OsGetFileAttributes(out, &attributes)) return (attributes & kAttributeDirectory) != 0;
    char* last = const_cast<char*>(FindLastBackslash(out));
    if (last == nullptr) return false;
    // Stop at \\server: cutting further would give the current drive's root, which is a
    // different drive.
    if (last == out + 1 && out[0] == '\\') return false;
    // A root keeps its backslash, because "C:" alone means the drive's current folder.
    bool root = last == out || last == out + DrivePrefixLength(out);
    if (root && last[1] == '\0') return false;
    last[root ? 1 : 0] = '\0';
  }
}

bool IsShortOfSpace(const char* installFolder, uint64_t required, uint64_t* freeBytes) {
  char folder[kPathSize];
  uint64_t free;
  if (!NearestExistingFolder(installFolder, folder, sizeof folder) ||
      !OsGetFreeSpace(folder, &free)) {
    return false;
  }
  *freeBytes = free;
  return free < required;
}
