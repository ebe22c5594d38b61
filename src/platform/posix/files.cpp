// Files and folders on a POSIX system, for setup-check and the native tests.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"
#include "platform/posix/native_path.h"

bool OsGetCurrentFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  char native[4096];
  if (getcwd(native, sizeof native) == nullptr) return false;
  return FromNativeText(native, out, cap);
}

bool OsSetCurrentFolder(const char* path) {
  char native[4096];
  return ToNativePath(path, native, sizeof native) && chdir(native) == 0;
}

bool OsGetFileSize(const char* path, uint64_t* size) {
  char native[4096];
  if (!ToNativePath(path, native, sizeof native)) return false;
  int fd = open(native, O_RDONLY);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  close(fd);
  if (ok) *size = static_cast<uint64_t>(info.st_size);
  return ok;
}
