// Converts code page 932 text to UTF-8, for tools that print reports for people and JSON.
#pragma once
#include <stddef.h>

// Converts exactly length bytes (one character) to UTF-8 into out, terminated. Returns
// false if they are not one valid code page 932 character or do not fit.
bool OsCodePage932CharToUtf8(const char* bytes, size_t length, char* out, size_t cap);
