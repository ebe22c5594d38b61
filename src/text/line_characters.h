// The character rule for cutting setup.ini's lines: a byte of 0x80 or more takes the next
// byte with it, so that a second byte equal to '\\', '"' or a blank is never taken for one.
// Publishers' files were written for this rule, so it stays for their lines even where
// code page 932 itself reads a byte differently (half-width katakana stand alone there).
// Its callers: the line readers (directive_line, line_end, setup-check's line pass), and
// bounded_text, which never cuts a text inside a character. Paths follow the other rule,
// code page 932's own, in path/path_characters.h.
#pragma once
#include <stddef.h>

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Bytes of the character at p: 2 for a lead byte followed by a byte, else 1
// (a lead byte right before the terminator stands alone). 0 at the terminator.
size_t CharLength(const char* p);

// The first byte of the last whole character of text, or nullptr for an empty text.
const char* LastChar(const char* text);

// Whether text ends in a lead byte that lost its second byte (a cut, or damage).
bool EndsInHalfCharacter(const char* text);
