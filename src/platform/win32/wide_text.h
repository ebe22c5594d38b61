// Converts between code page 932 and UTF-16 for the wide Windows API. It always uses code
// page 932, not the system's ANSI code page, so that Japanese text is right on every
// Windows. There are three ways to convert:
// - strict, for names: a text that does not convert fails; it never becomes another name.
// - shown, for text that is only displayed: each byte that is no character shows as
//   U+FFFD.
// - marked, for a folder the player typed: a character with no code page 932 form becomes
//   '?'. No Windows name may contain '?', so creating the folder fails instead of quietly
//   creating a different one.
#pragma once
#include <stddef.h>
#include <wchar.h>

// Enough for any text of the launcher (at most 1,023 bytes, so at most 1,023 units).
enum { kWideCapacity = 1024 };

// Returns false if text is not valid code page 932 or does not fit.
bool ToWideStrict(const char* text, wchar_t* out, size_t cap);
// Returns false, with out empty, if a character has no code page 932 form or the result
// does not fit.
bool FromWideStrict(const wchar_t* text, char* out, size_t cap);
// Never fails; a text that does not fit is cut at a whole character.
void ToWideShown(const char* text, wchar_t* out, size_t cap);
// How FromWideMarked went: every character as it is, some marked with '?', or cut (the
// text did not fit; whatever else happened).
enum MarkedText { kMarkedExact, kMarkedWithQuestionMarks, kMarkedCut };
// Cuts the result at a whole character within cap - 1 bytes.
MarkedText FromWideMarked(const wchar_t* text, char* out, size_t cap);
