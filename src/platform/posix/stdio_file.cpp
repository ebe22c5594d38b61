// Opens a launcher path with fopen, after converting it to this system's form (UTF-8,
// slashes).
#include "platform/stdio_file.h"

#include "platform/posix/native_path.h"

FILE* OsOpenFile(const char* path, const char* mode) {
  char native[kNativePathSize];
  if (!ToNativePath(path, native, sizeof native)) return nullptr;
  return fopen(native, mode);
}
