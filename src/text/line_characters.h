// Two character rules for code page 932 text, so that a second byte equal to '\\', '"' or a
// blank is never taken for one.
// - The line rule (CharLength, LastChar): a byte of 0x80 or more takes the next byte with
//   it. setup.ini's lines are cut into keyword and value by it (directive_line, line_end,
//   setup-check's pass over the lines), since publishers' files were written for it; a cut
//   bounded text drops a half character by it too.
// - The path rule (PathCharLength, LastPathChar and the backslash helpers): code page 932's
//   own, as Windows splits a path. Only 0x81-0x9F and 0xE0-0xFC begin a two-byte character;
//   half-width katakana 0xA1-0xDF and 0x80, 0xA0, 0xFD-0xFF stand alone. Used wherever a
//   path is searched for a separator: path_text, path_spans, folder normalisation, creation
//   and relations, the refused folders, the browse join, the file lines' path checks
//   (relative_path, setting_rules), setup-check's --init walk, the native path, and the
//   folder log's reader.
#pragma once
#include <stddef.h>

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }
inline bool IsPathLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character at p: 2 for a lead byte followed by a byte, else 1
// (a lead byte right before the terminator stands alone). 0 at the terminator.
size_t CharLength(const char* p);
size_t PathCharLength(const char* p);

// The first byte of the last whole character of text, or nullptr for an empty text.
const char* LastChar(const char* text);
const char* LastPathChar(const char* text);

// Whether text ends in a lead byte that lost its second byte (a cut, or damage).
bool EndsInHalfCharacter(const char* text);

// The last backslash character of path, or nullptr.
const char* FindLastBackslash(const char* path);

// Whether the last character of path is a backslash (not the second byte of 表).
bool EndsWithBackslash(const char* path);

// Removes one trailing backslash character; returns whether there was one.
bool RemoveTrailingBackslash(char* path);
