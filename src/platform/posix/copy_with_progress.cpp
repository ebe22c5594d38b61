// The chunked copy on a POSIX system. It behaves as the copy step expects from Windows: a
// read-only target is refused, no partial file is left behind, and the target gets the
// source's mode, but writable.
#include "platform/copy_with_progress.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/native_path.h"

namespace {

enum { kCopyChunkBytes = 256 * 1024 };
char g_CopyChunk[kCopyChunkBytes];

OsCopyResult CopyContents(int in, int out, OsCopyProgress progress) {
  struct stat info;
  if (fstat(in, &info) != 0) return kOsCopyFailed;
  unsigned long long total = static_cast<unsigned long long>(info.st_size);
  unsigned long long copied = 0;
  for (;;) {
    if (!progress(copied, total)) return kOsCopyStopped;
    ssize_t got = read(in, g_CopyChunk, kCopyChunkBytes);
    if (got < 0) return kOsCopyFailed;
    if (got == 0) return kOsCopyDone;
    if (write(out, g_CopyChunk, static_cast<size_t>(got)) != got) return kOsCopyFailed;
    copied += static_cast<unsigned long long>(got);
  }
}

}  // namespace

OsCopyResult OsCopyFileWithProgress(const char* source, const char* target,
                                    OsCopyProgress progress) {
  char nativeSource[kNativePathSize];
  char nativeTarget[kNativePathSize];
  if (!ToNativePath(source, nativeSource, sizeof nativeSource) ||
      !ToNativePath(target, nativeTarget, sizeof nativeTarget)) {
    return kOsCopyFailed;
  }
  struct stat existing;
  if (stat(nativeTarget, &existing) == 0 && (existing.st_mode & S_IWUSR) == 0) {
    return kOsCopyFailed;
  }
  int in = open(nativeSource, O_RDONLY);
  if (in < 0) return kOsCopyFailed;
  int out = open(nativeTarget, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (out < 0) {
    close(in);
    return kOsCopyFailed;
  }
  OsCopyResult result = CopyContents(in, out, progress);
  if (close(out) != 0 && result == kOsCopyDone) result = kOsCopyFailed;
  struct stat info;
  bool measured = fstat(in, &info) == 0;
  close(in);
  if (result != kOsCopyDone) {
    unlink(nativeTarget);
    return result;
  }
  if (measured) chmod(nativeTarget, (info.st_mode & 07777) | S_IWUSR);
  return kOsCopyDone;
}
