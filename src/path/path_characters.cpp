#include "path/path_characters.h"

#include "text/bounded_text.h"
#include "text/line_characters.h"

size_t PathCharLength(const char* p) { return CharLengthByRule(p, IsPathLeadByte); }

const char* LastPathChar(const char* path) { return LastCharByRule(path, IsPathLeadByte); }

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

const char* FindLastBackslash(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p; p += PathCharLength(p)) {
    if (*p == '\\') last = p;
  }
  return last;
}

bool EndsWithSeparator(const char* path) {
  const char* last = LastPathChar(path);
  return last != nullptr && IsPathSeparator(*last);
}

bool RemoveTrailingBackslash(char* path) {
  char* last = const_cast<char*>(LastPathChar(path));
  if (last == nullptr || *last != '\\') return false;
  *last = '\0';
  return true;
}

bool JoinPath(char* out, size_t cap, const char* folder, const char* name) {
  bool separated = EndsWithSeparator(folder);
  bool whole = (out == folder || CopyText(out, cap, folder)) &&
               (separated || AppendText(out, cap, "\\")) && AppendText(out, cap, name);
  if (!whole && cap > 0) out[0] = '\0';
  return whole;
}
