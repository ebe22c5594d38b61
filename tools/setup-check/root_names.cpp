#include "root_names.h"

#include <string.h>

#include "diagnostics.h"
#include "platform/folder_listing.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"

namespace {

const char* const kRootFileNames[kRootFileCount] = {"setup.exe", "setup.bmp", "setup.ini",
                                                    "autorun.inf"};

struct RootEntry {
  char name[kFolderEntryNameSize];   // the spelling kept: the exact one if present, else the first
                                     // in order
  char other[kFolderEntryNameSize];  // a second spelling, or ""
  bool found;
};

RootEntry g_RootEntries[kRootFileCount];

bool VisitRootEntry(const OsFolderEntry* entry, void*) {
  if (!entry->isFile) return true;
  for (int f = 0; f < kRootFileCount; ++f) {
    if (!SameNameIgnoringCase(entry->name, kRootFileNames[f])) continue;
    RootEntry& root = g_RootEntries[f];
    if (!root.found) {
      root.found = true;
      CopyText(root.name, sizeof root.name, entry->name);
      break;
    }
    // Keep the names in a fixed order whatever order the folder lists them in.
    const char* first = strcmp(entry->name, root.name) < 0 ? entry->name : root.name;
    const char* second = first == entry->name ? root.name : entry->name;
    char kept[kFolderEntryNameSize];
    CopyText(kept, sizeof kept, first);
    CopyText(root.other, sizeof root.other, second);
    CopyText(root.name, sizeof root.name, kept);
    if (strcmp(root.other, kRootFileNames[f]) == 0) {  // the exact spelling wins
      CopyText(root.other, sizeof root.other, root.name);
      CopyText(root.name, sizeof root.name, kRootFileNames[f]);
    }
    break;
  }
  return true;
}

}  // namespace

bool SameNameIgnoringCase(const char* a, const char* b) {
  while (*a != '\0' && ToAsciiLower(*a) == ToAsciiLower(*b)) ++a, ++b;
  return *a == '\0' && *b == '\0';
}

void FindRootNames() {
  memset(g_RootEntries, 0, sizeof g_RootEntries);
  OsListFolder(".", VisitRootEntry, nullptr);
}

const char* RootName(RootFile file) {
  return g_RootEntries[file].found ? g_RootEntries[file].name : nullptr;
}

void ReportRootNameClashes() {
  for (const RootEntry& root : g_RootEntries) {
    if (root.other[0] == '\0') continue;
    AddDiagnostic(0, kSetupError,
                  "\"%s\" and \"%s\" are one name on Windows: keep one of them in the disc root",
                  root.name, root.other);
  }
}
