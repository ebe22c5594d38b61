#include "text/line_characters.h"

size_t CharLengthByRule(const char* p, LeadByteRule isLead) {
  if (p[0] == '\0') return 0;
  if (isLead(static_cast<unsigned char>(p[0])) && p[1] != '\0') return 2;
  return 1;
}

const char* LastCharByRule(const char* text, LeadByteRule isLead) {
  const char* last = nullptr;
  for (const char* p = text; *p; p += CharLengthByRule(p, isLead)) last = p;
  return last;
}

size_t CharLength(const char* p) { return CharLengthByRule(p, IsLeadByte); }

const char* LastChar(const char* text) { return LastCharByRule(text, IsLeadByte); }

bool EndsInHalfCharacter(const char* text) {
  const char* last = LastChar(text);
  return last != nullptr && IsLeadByte(static_cast<unsigned char>(*last)) && last[1] == '\0';
}
