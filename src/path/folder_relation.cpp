// Compares two folder paths component by component.
#include "path/folder_relation.h"

#include <stddef.h>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "text/ascii_text.h"

namespace {

// Counts the separators at the start of path, up to two. "\x" (in the drive's root) and
// "\\x" (a network share) are different places, but three or more mean the same as two.
size_t LeadingSeparators(const char* path) {
  size_t count = 0;
  while (IsPathSeparator(path[count])) ++count;
  return count < 2 ? count : 2;
}

struct Component {
  const char* start;
  size_t length;
};

// Reads the next component at *cursor and moves the cursor past it. Returns false when
// no component is left.
bool NextComponent(const char** cursor, Component* component) {
  const char* p = *cursor;
  while (IsPathSeparator(*p)) ++p;
  if (*p == '\0') return false;
  component->start = p;
  while (*p != '\0' && !IsPathSeparator(*p)) p += PathCharLength(p);
  component->length = static_cast<size_t>(p - component->start);
  *cursor = p;
  return true;
}

bool SameComponent(const Component& a, const Component& b) {
  if (a.length != b.length) return false;
  for (size_t i = 0; i < a.length;) {
    size_t step = PathCharLength(a.start + i);
    if (step != PathCharLength(b.start + i)) return false;
    if (step == 1 && ToAsciiLower(a.start[i]) != ToAsciiLower(b.start[i])) return false;
    // Compare two-byte characters exactly. The second byte of ア is 'A' and that of ヂ is
    // 'a', so case-folding would make them equal.
    if (step == 2 && (a.start[i] != b.start[i] || a.start[i + 1] != b.start[i + 1])) return false;
    i += step;
  }
  return true;
}

// Whether the path can be compared by its text alone. It cannot if it is empty, a bare
// drive, or has a component of only dots and blanks: the system resolves those elsewhere.
bool Resolvable(const char* path) {
  if (path[0] == '\0') return false;
  if (DrivePrefixLength(path) == 2 && path[2] == '\0') return false;
  Component component;
  for (const char* p = path; NextComponent(&p, &component);) {
    if (IsDotsAndBlanksOnly(component.start, component.length)) return false;
  }
  return true;
}

}  // namespace

FolderRelation RelateFolders(const char* folder, const char* base) {
  if (!Resolvable(folder) || !Resolvable(base)) return kFolderUnrelated;
  if (LeadingSeparators(folder) != LeadingSeparators(base)) return kFolderUnrelated;
  const char* f = folder;
  const char* b = base;
  for (;;) {
    Component fc;
    Component bc;
    bool hasFolder = NextComponent(&f, &fc);
    bool hasBase = NextComponent(&b, &bc);
    if (!hasFolder) return hasBase ? kFolderParent : kFolderSame;
    if (!hasBase) return kFolderInside;
    if (!SameComponent(fc, bc)) return kFolderUnrelated;
  }
}

FolderRelation RelateToInstallFolder(const char* folder, const char* installFolder) {
  char root[] = "?:\\";
  root[0] = installFolder[0];
  return RelateFolders(folder, IsDriveRoot(installFolder) ? root : installFolder);
}
