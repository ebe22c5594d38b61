// POSIX systems have no Windows folder; the caller decides what to assume.
#include "platform/windows_folder.h"

bool OsGetWindowsFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  return false;
}
