// The character rule for code page 932 text: a byte of 0x80 or more is the first of a
// two-byte character and takes the next byte with it, so that a second byte equal to
// '\\', '"' or a blank is never taken for one. Every routine that cuts a line or
// searches a path for a backslash steps through text with these helpers.
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

// The last backslash character of text, or nullptr.
const char* FindLastBackslash(const char* text);

// Whether the last character of text is a backslash (not the second byte of 表).
bool EndsWithBackslash(const char* text);

// Removes one trailing backslash character; returns whether there was one.
bool RemoveTrailingBackslash(char* text);
