// Reads the free space of a folder's file system on a POSIX system (native tests).
#include "platform/disk_space.h"

#include <sys/statvfs.h>

#include "platform/posix/native_path.h"

bool OsGetFreeSpace(const char* folder, uint64_t* freeBytes) {
  char native[kNativePathSize];
  struct statvfs info;
  if (!ToNativePath(folder, native, sizeof native) || statvfs(native, &info) != 0) return false;
  *freeBytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
  return true;
}
