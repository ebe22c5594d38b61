// Lists folder entries on a POSIX system. Names are UTF-8 here; each is converted to code
// page 932 and back to check that it survives the trip.
#include "platform/folder_listing.h"

#include <dirent.h>
#include <string.h>
#include <sys/stat.h>

#include "platform/posix/native_path.h"
#include "text/bounded_text.h"

namespace {

// Leaves entry->name empty if the name does not come back unchanged: a backslash inside a
// name, or a character that returns as another one (U+301C as U+FF5E, the yen sign as a
// backslash).
void TakeName(const char* native, OsFolderEntry* entry) {
  char back[kNativePathSize];
  if (!FromNativeText(native, entry->name, sizeof entry->name) ||
      !ToNativePath(entry->name, back, sizeof back) || strcmp(back, native) != 0) {
    entry->name[0] = '\0';
  }
}

}  // namespace

bool OsListFolder(const char* folder, OsFolderVisitor visit, void* context) {
  char native[kNativePathSize];
  if (!ToNativePath(folder, native, sizeof native)) return false;
  DIR* dir = opendir(native);
  if (dir == nullptr) return false;
  size_t base = strlen(native);
  for (struct dirent* d; (d = readdir(dir)) != nullptr;) {
    if (strcmp(d->d_name, ".") == 0 || strcmp(d->d_name, "..") == 0) continue;
    OsFolderEntry entry = {};
    CopyText(entry.shown, sizeof entry.shown, d->d_name);
    TakeName(d->d_name, &entry);
    native[base] = '\0';
    struct stat info;
    if (FormatText(native + base, sizeof native - base, "/%s", d->d_name) &&
        stat(native, &info) == 0) {
      entry.isFolder = S_ISDIR(info.st_mode);
      entry.isFile = S_ISREG(info.st_mode);
    }
    if (!visit(&entry, context)) break;
  }
  closedir(dir);
  return true;
}
