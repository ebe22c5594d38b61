#include "text/line_characters.h"

size_t CharLength(const char* p) {
  if (p[0] == '\0') return 0;
  if (IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0') return 2;
  return 1;
}

const char* LastChar(const char* text) {
  const char* last = nullptr;
  for (const char* p = text; *p; p += CharLength(p)) last = p;
  return last;
}

bool EndsInHalfCharacter(const char* text) {
  const char* last = LastChar(text);
  return last != nullptr && IsLeadByte(static_cast<unsigned char>(*last)) && last[1] == '\0';
}
