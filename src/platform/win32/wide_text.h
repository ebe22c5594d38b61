// Code page 932 <-> UTF-16 for the wide Windows API. Explicit code page 932, not the
// system's ANSI code page, so that Japanese text is right on every Windows. Three ways:
// - strict, for names: a text that does not convert fails, never becomes another name;
// - shown, for text only displayed: each byte that is no character shows as U+FFFD;
// - marked, for a typed folder: a character without a code page 932 form becomes '?',
//   which no Windows name may hold, so the folder fails to be made rather than changes.
#pragma once
#include <stddef.h>
#include <wchar.h>

// Enough for any text of the launcher (at most 1,023 bytes, so at most 1,023 units).
enum { kWideCapacity = 1024 };

// false when text is not valid code page 932 or does not fit.
bool ToWideStrict(const char* text, wchar_t* out, size_t cap);
// false when a character has no code page 932 form or the result does not fit; out is
// then empty.
bool FromWideStrict(const wchar_t* text, char* out, size_t cap);
// Cut at a whole character.
void ToWideShown(const char* text, wchar_t* out, size_t cap);
// Cut at cap - 1 bytes at a whole character. false when a character was marked.
bool FromWideMarked(const wchar_t* text, char* out, size_t cap);
