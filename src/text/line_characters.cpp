#include "text/sjis.h"

#include <string.h>

namespace {

size_t Length(const char* p, bool (*lead)(unsigned char)) {
  if (p[0] == '\0') return 0;
  if (lead(static_cast<unsigned char>(p[0])) && p[1] != '\0') return 2;
  return 1;
}

const char* Last(const char* text, size_t (*length)(const char*)) {
  const char* last = nullptr;
  for (const char* p = text; *p; p += length(p)) last = p;
  return last;
}

}  // namespace

size_t CharLength(const char* p) { return Length(p, IsLeadByte); }

size_t PathCharLength(const char* p) { return Length(p, IsPathLeadByte); }

const char* LastChar(const char* text) { return Last(text, CharLength); }

const char* LastPathChar(const char* text) { return Last(text, PathCharLength); }

bool EndsInHalfCharacter(const char* text) {
  const char* last = LastChar(text);
  return last != nullptr && IsLeadByte(static_cast<unsigned char>(*last)) && last[1] == '\0';
}

const char* FindLastBackslash(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p; p += PathCharLength(p)) {
    if (*p == '\\') last = p;
  }
  return last;
}

bool EndsWithBackslash(const char* path) {
  const char* last = LastPathChar(path);
  return last != nullptr && *last == '\\';
}

bool RemoveTrailingBackslash(char* path) {
  if (!EndsWithBackslash(path)) return false;
  path[strlen(path) - 1] = '\0';
  return true;
}
