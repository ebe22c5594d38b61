// Printing code page 932 texts as UTF-8: as they are for people, or as JSON strings.
#pragma once
#include <stdio.h>

// Bytes that are no valid code page 932 character become U+FFFD.
void PrintUtf8(FILE* out, const char* text);
// The same as a quoted JSON string.
void PrintJsonString(FILE* out, const char* text);
