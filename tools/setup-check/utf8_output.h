// Prints code page 932 texts as UTF-8, either plain for people or as JSON strings.
#pragma once
#include <stdio.h>

// A byte that is not part of a valid code page 932 character is printed as \xNN, so the
// publisher can see which byte it is.
void PrintUtf8(FILE* out, const char* text);
// The same, printed as a quoted JSON string.
void PrintJsonString(FILE* out, const char* text);
