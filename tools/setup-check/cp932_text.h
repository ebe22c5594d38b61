// Reads code page 932 text the way Windows decodes it. The launcher reads setup.ini lines
// by a simpler two-byte rule (text/line_characters.h), and the publisher must be told
// where the two readings differ.
#pragma once
#include <stddef.h>

// Whether byte starts a real two-byte character. 0xA1 to 0xDF are not lead bytes: they
// are half-width katakana, one byte each.
bool IsCodePage932Lead(unsigned char byte);

// The length in bytes of the character at p as Windows reads it: 1 or 2, and 0 at the
// terminator. *valid says whether it is a character at all. It is not for 0x80, 0xA0,
// 0xFD to 0xFF, a lead byte without a fitting second byte, and an unassigned pair; in
// those cases the step is 1, so only the first byte is lost.
size_t Cp932Step(const char* p, bool* valid);

// The offset of the first byte of text that is not part of a valid character, or -1.
long FirstUndecodableByte(const char* text);

// Finds the first byte c in the first length bytes of text that Windows reads as a
// character of its own but the launcher's two-byte rule takes as a second byte. That
// happens after an odd number of half-width katakana. Returns its offset, or -1.
long FirstSwallowedByte(const char* text, size_t length, char c);

// Writes name in the form Windows uses to match file names: "/" becomes "\", the letters
// NTFS ignores the case of (ASCII, full-width Latin, Greek, Cyrillic) become capitals,
// and each component loses its trailing dots and blanks. Two names with the same result
// are the same file. out is cut to cap.
void FoldWindowsName(const char* name, char* out, size_t cap);
