// Code page 932 <-> UTF-16 for the wide Windows API. Explicit code page 932, not the
// system's ANSI code page, so that Japanese text is right on every Windows.
#pragma once
#include <stddef.h>
#include <wchar.h>

// Enough for any text of the launcher (at most 1,023 bytes, so at most 1,023 units).
enum { kWideCapacity = 1024 };

// false when text is not valid code page 932 or does not fit.
bool ToWide(const char* text, wchar_t* out, size_t cap);
// For texts shown only, never for a name: each byte that is not code page 932 becomes
// U+FFFD, so a setup.ini saved in another encoding still shows. Cut at a whole character.
void ToWideShown(const char* text, wchar_t* out, size_t cap);
// false when a character has no code page 932 form (it would become another name) or
// the result does not fit; out is then empty.
bool FromWide(const wchar_t* text, char* out, size_t cap);
