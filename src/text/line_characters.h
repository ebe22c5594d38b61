// How setup.ini lines are split into characters: any byte of 0x80 or more takes the next
// byte with it, so a second byte that equals '\\', '"' or a blank is never read as that
// character. Publishers wrote their files for this rule, so setup.ini lines keep it even
// where code page 932 itself differs (it reads half-width katakana as one byte each).
// Used by the line readers (directive_line, line_end, setup-check's line checks) and by
// bounded_text, which never cuts a text inside a character. Paths use code page 932's own
// rule instead, in path/path_characters.h.
#pragma once
#include <stddef.h>

// The size of a buffer for one line of setup.ini, or a part cut from it, terminator
// included: the loader reads at most kLineSize - 1 (511) bytes of a line at a time.
enum { kLineSize = 512 };

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// The length in bytes of the character at p: 2 for a lead byte with a byte after it,
// otherwise 1 (a lead byte just before the terminator counts alone), and 0 at the
// terminator.
size_t CharLength(const char* p);

// The first byte of the last whole character of text, or nullptr for an empty text.
const char* LastChar(const char* text);

// The same two steps under another rule of which bytes begin a two-byte character, for the
// path rule to share.
typedef bool (*LeadByteRule)(unsigned char byte);
size_t CharLengthByRule(const char* p, LeadByteRule isLead);
const char* LastCharByRule(const char* text, LeadByteRule isLead);

// Whether text ends in a lead byte with no second byte, after a cut or in damaged input.
bool EndsInHalfCharacter(const char* text);
