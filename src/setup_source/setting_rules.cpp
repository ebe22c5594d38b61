#include "setup_source/setting_rules.h"

#include <string.h>

#include "setup_source/relative_path.h"
#include "text/bounded_text.h"
#include "text/sjis.h"

namespace {

bool EndsWithSeparator(const char* text) {
  const char* last = LastChar(text);
  return last != nullptr && (*last == '\\' || *last == '/');
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The registry compares key names with ASCII letters in any case. name is ASCII, so a
// lead byte in part never matches it.
bool IsKeyName(const char* part, size_t length, const char* name) {
  if (strlen(name) != length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (Upper(part[i]) != Upper(name[i])) return false;
  }
  return true;
}

size_t KeyNameLength(const char* part) {
  const char* p = part;
  while (*p != '\0' && *p != '\\') p += CharLength(p);
  return static_cast<size_t>(p - part);
}

bool IsUnderSoftwareOutsideSystemTrees(const char* value) {
  size_t first = KeyNameLength(value);
  if (!IsKeyName(value, first, "Software")) return false;
  if (value[first] == '\0') return true;
  const char* second = value + first + 1;
  size_t length = KeyNameLength(second);
  static const char* const kSystemTrees[] = {"Microsoft", "Classes", "Policies", "Wow6432Node"};
  for (const char* tree : kSystemTrees) {
    if (IsKeyName(second, length, tree)) return false;
  }
  return true;
}

}  // namespace

bool IsSingleFileName(const char* value) {
  size_t length = strlen(value);
  return length > 0 && FindLastBackslash(value) == nullptr && strpbrk(value, "/:") == nullptr &&
         !IsDotsOnly(value, length) && !IsDeviceName(value, length);
}

bool IsPathInGameFolder(const char* value) {
  return value[0] != '\0' && IsPathInsideGameFolder(value) && !AnyComponent(value, IsDotsOnly) &&
         !EndsWithSeparator(value);
}

bool IsGameFolderName(const char* value) {
  if (value[0] == '\0') return true;
  char folder[1024];
  if (!CopyText(folder, sizeof folder, value)) return false;
  RemoveTrailingBackslash(folder);
  return IsPathInGameFolder(folder);
}

bool IsRegistryKeyName(const char* value) {
  return value[0] != '\0' && FindLastBackslash(value) == nullptr;
}

bool IsRegistryKeyPath(const char* value) {
  bool afterSeparator = true;  // a leading backslash is an empty first component
  for (const char* p = value; *p; p += CharLength(p)) {
    bool separator = *p == '\\';
    if (separator && afterSeparator) return false;
    afterSeparator = separator;
  }
  return !afterSeparator && IsUnderSoftwareOutsideSystemTrees(value);
}
