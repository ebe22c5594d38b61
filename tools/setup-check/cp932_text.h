// How Windows decodes code page 932 text, as opposed to the launcher's two-byte rule
// (text/line_characters.h): the publisher must see where the two readings part.
#pragma once
#include <stddef.h>

// Lead bytes of real two-byte characters; 0xA1 to 0xDF are half-width katakana alone.
bool IsCodePage932Lead(unsigned char byte);

// Bytes of the character at p as Windows reads it (1 or 2; 0 at the terminator), and
// whether it is a character at all: 0x80, 0xA0, 0xFD to 0xFF, a lead byte without a
// fitting second byte and an unassigned pair are not (only their first byte is lost).
size_t Cp932Step(const char* p, bool* valid);

// Offset of the first byte of text that is no character, or -1.
long FirstUndecodableByte(const char* text);

// Offset in text[0..length) of the first byte c that Windows reads as a character of its
// own where the launcher's two-byte rule takes it as a second byte (an odd run of
// half-width katakana before it), or -1.
long FirstSwallowedByte(const char* text, size_t length, char c);

// name as Windows matches file names: "/" as "\", the letters NTFS folds (ASCII, full-width
// Latin, Greek, Cyrillic) in capitals, and each component's trailing dots and blanks dropped.
// Two names that fold alike are one file. out is cut to cap.
void FoldWindowsName(const char* name, char* out, size_t cap);
