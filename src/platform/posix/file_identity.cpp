#include "platform/file_identity.h"

#include <sys/stat.h>

#include "platform/posix/native_path.h"

bool OsGetFileIdentity(const char* path, OsFileIdentity* identity) {
  char native[kNativePathSize];
  struct stat info;
  if (!ToNativePath(path, native, sizeof native) || stat(native, &info) != 0) return false;
  identity->volume = static_cast<uint32_t>(info.st_dev);
  identity->index = static_cast<uint64_t>(info.st_ino);
  return true;
}
