#include "setup_source/setting_rules.h"

#include <string.h>

#include "path/components.h"
#include "path/path_characters.h"
#include "path/relative_path.h"
#include "path/windows_aliases.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"

namespace {

// If path's first key name is name, returns a pointer to what follows it; otherwise
// nullptr. name must be in small letters and digits; path may use either case, because
// the registry ignores the case of ASCII letters in key names.
const char* AfterKeyName(const char* path, const char* name) {
  for (; *name != '\0'; ++name, ++path) {
    if (ToAsciiLower(*path) != *name) return nullptr;
  }
  return *path == '\0' || *path == '\\' ? path : nullptr;
}

bool IsUnderSoftwareOutsideSystemTrees(const char* value) {
  const char* rest = AfterKeyName(value, "software");
  if (rest == nullptr || *rest == '\0') return rest != nullptr;
  static const char* const kSystemTrees[] = {"microsoft", "classes", "policies", "wow6432node"};
  for (const char* tree : kSystemTrees) {
    if (AfterKeyName(rest + 1, tree) != nullptr) return false;
  }
  return true;
}

}  // namespace

bool IsSingleFileName(const char* value) {
  size_t length = strlen(value);
  return length > 0 && FindLastBackslash(value) == nullptr && strpbrk(value, "/:") == nullptr &&
         !IsDotsAndBlanksOnly(value, length) && !IsDeviceName(value, length);
}

bool IsPathInGameFolder(const char* value) {
  return value[0] != '\0' && IsPathInsideGameFolder(value) &&
         !AnyComponent(value, IsDotsAndBlanksOnly) && !EndsWithSeparator(value);
}

bool IsGameFolderName(const char* value) {
  if (value[0] == '\0') return true;
  char folder[kPathSize];
  if (!CopyText(folder, sizeof folder, value)) return false;
  RemoveTrailingBackslash(folder);
  return IsPathInGameFolder(folder);
}

bool IsRegistryKeyName(const char* value) {
  return value[0] != '\0' && FindLastBackslash(value) == nullptr;
}

bool IsRegistryKeyPath(const char* value) {
  bool afterSeparator = true;  // a leading backslash is an empty first component
  for (const char* p = value; *p; p += PathCharLength(p)) {
    bool separator = *p == '\\';
    if (separator && afterSeparator) return false;
    afterSeparator = separator;
  }
  return !afterSeparator && IsUnderSoftwareOutsideSystemTrees(value);
}
