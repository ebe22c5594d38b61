// Lists folder entries through the wide API. Names are UTF-16; each is converted to code
// page 932 and back to check that it survives the trip.
#include "platform/folder_listing.h"

#include <string.h>
#include <wchar.h>
#include <windows.h>

#include "path/path_characters.h"
#include "platform/win32/wide_text.h"

namespace {

void TakeName(const wchar_t* wide, OsFolderEntry* entry) {
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, entry->shown, sizeof entry->shown, nullptr,
                          nullptr) <= 0) {
    entry->shown[0] = '\0';
  }
  wchar_t back[kWideCapacity];
  if (!FromWideStrict(wide, entry->name, sizeof entry->name) ||
      !ToWideStrict(entry->name, back, kWideCapacity) || wcscmp(back, wide) != 0) {
    entry->name[0] = '\0';
  }
}

}  // namespace

bool OsListFolder(const char* folder, OsFolderVisitor visit, void* context) {
  char pattern[kPathSize];
  wchar_t wide[kWideCapacity];
  if (!JoinPath(pattern, sizeof pattern, folder, "*") ||
      !ToWideStrict(pattern, wide, kWideCapacity)) {
    return false;
  }
  WIN32_FIND_DATAW found;
  HANDLE handle = FindFirstFileW(wide, &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  do {
    if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
    OsFolderEntry entry = {};
    TakeName(found.cFileName, &entry);
    entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isFile =
        (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    if (!visit(&entry, context)) break;
  } while (FindNextFileW(handle, &found));
  FindClose(handle);
  return true;
}
