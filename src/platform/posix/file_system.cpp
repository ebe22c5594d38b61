// File and folder calls for the engine on a POSIX system (setup-check, native tests). They
// behave as on Windows: a directory attribute, a read-only bit, and only empty folders
// can be removed.
#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "path/path_characters.h"
#include "platform/posix/native_path.h"
#include "platform/utf8_text.h"
#include "text/bounded_text.h"

bool OsGetFileAttributes(const char* path, uint32_t* attributes) {
  char native[kNativePathSize];
  struct stat info;
  if (!ToNativePath(path, native, sizeof native) || stat(native, &info) != 0) return false;
  uint32_t found = S_ISDIR(info.st_mode) ? kAttributeDirectory : 0x80u;
  if ((info.st_mode & S_IWUSR) == 0) found |= kAttributeReadOnly;
  *attributes = found;
  return true;
}

// Every code page 932 character is one UTF-16 unit. The path is not expanded to a full
// path here. Bytes that are no code page 932 character fail, as Windows' conversion does,
// so that setup-check refuses the folders the launcher refuses.
bool OsGetFullPathUnits(const char* path, size_t* units) {
  size_t count = 0;
  for (const char* p = path; *p; ++count) {
    size_t step = PathCharLength(p);
    char utf8[8];
    if (!OsCodePage932CharToUtf8(p, step, utf8, sizeof utf8)) return false;
    p += step;
  }
  *units = count;
  return true;
}

// POSIX paths have no drives with current folders of their own: the path stays as it is.
bool OsGetFullPath(const char* path, char* out, size_t cap) { return CopyText(out, cap, path); }

bool OsGetFileSize(const char* path, uint64_t* size) {
  char native[kNativePathSize];
  if (!ToNativePath(path, native, sizeof native)) return false;
  int fd = open(native, O_RDONLY);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  close(fd);
  if (ok) *size = static_cast<uint64_t>(info.st_size);
  return ok;
}

bool OsSetFileAttributes(const char* path, uint32_t attributes) {
  char native[kNativePathSize];
  struct stat info;
  if (!ToNativePath(path, native, sizeof native) || stat(native, &info) != 0) return false;
  mode_t mode = info.st_mode & 07777;
  mode = (attributes & kAttributeReadOnly) ? (mode & ~0222u) : (mode | S_IWUSR);
  return chmod(native, mode) == 0;
}

bool OsCreateFolder(const char* path) {
  char native[kNativePathSize];
  return ToNativePath(path, native, sizeof native) && native[0] != '\0' && mkdir(native, 0777) == 0;
}

bool OsRemoveFolder(const char* path) {
  char native[kNativePathSize];
  return ToNativePath(path, native, sizeof native) && rmdir(native) == 0;
}

bool OsDeleteFile(const char* path) {
  char native[kNativePathSize];
  struct stat info;
  if (!ToNativePath(path, native, sizeof native) || lstat(native, &info) != 0) return false;
  return !S_ISDIR(info.st_mode) && unlink(native) == 0;
}

bool OsCreateTemporaryFile(const char* folder, char* out, size_t cap) {
  char native[kNativePathSize];
  if (!JoinPath(out, cap, folder, "tmpXXXXXX") || !ToNativePath(out, native, sizeof native)) {
    return false;
  }
  int descriptor = mkstemp(native);
  if (descriptor < 0) return false;
  // mkstemp makes the file private (0600); give it the mode any new file of this user gets,
  // since it becomes the publisher's own text file.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(descriptor, 0666 & ~mask);
  close(descriptor);
  // mkstemp filled in six ASCII letters, which are the same bytes in UTF-8 and code page
  // 932, so copy them back into out.
  memcpy(out + strlen(out) - 6, native + strlen(native) - 6, 6);
  return true;
}

bool OsMoveFileReplacing(const char* source, const char* target) {
  char nativeSource[kNativePathSize];
  char nativeTarget[kNativePathSize];
  return ToNativePath(source, nativeSource, sizeof nativeSource) &&
         ToNativePath(target, nativeTarget, sizeof nativeTarget) &&
         rename(nativeSource, nativeTarget) == 0;
}

namespace {

// The engine never runs two searches at once, so the search state is one global.
struct PosixSearch {
  DIR* dir;
  char namePattern[kNativePathSize];
} g_Search;

bool NextMatch(OsFileSearch* search) {
  for (;;) {
    struct dirent* entry = readdir(g_Search.dir);
    if (entry == nullptr) return false;
    // Ignore case, as Windows does when it compares names.
    if (fnmatch(g_Search.namePattern, entry->d_name, FNM_CASEFOLD) != 0) continue;
    if (FromNativeText(entry->d_name, search->name, sizeof search->name)) return true;
  }
}

}  // namespace

bool OsFindFirstFile(const char* pattern, OsFileSearch* search) {
  search->handle = nullptr;
  search->name[0] = '\0';
  if (g_Search.dir != nullptr) return false;
  char folder[kPathSize];
  if (!CopyText(folder, sizeof folder, pattern)) return false;
  char* separator = const_cast<char*>(FindLastBackslash(folder));
  const char* namePart = folder;
  const char* folderPart = ".";
  if (separator != nullptr) {
    *separator = '\0';
    namePart = separator + 1;
    folderPart = separator == folder ? "\\" : folder;
  }
  char nativeFolder[kNativePathSize];
  if (!ToNativePath(folderPart, nativeFolder, sizeof nativeFolder) ||
      !ToNativePath(namePart, g_Search.namePattern, sizeof g_Search.namePattern)) {
    return false;
  }
  g_Search.dir = opendir(nativeFolder);
  if (g_Search.dir == nullptr) return false;
  search->handle = &g_Search;
  if (NextMatch(search)) return true;
  OsFindClose(search);
  return false;
}

bool OsFindNextFile(OsFileSearch* search) { return search->handle != nullptr && NextMatch(search); }

void OsFindClose(OsFileSearch* search) {
  if (search->handle != nullptr && g_Search.dir != nullptr) {
    closedir(g_Search.dir);
    g_Search.dir = nullptr;
  }
  search->handle = nullptr;
}
