// Prints code page 932 texts as UTF-8, either plain for people or as JSON strings.
#pragma once
#include <stdio.h>

// Bytes that are not a valid code page 932 character are printed as U+FFFD.
void PrintUtf8(FILE* out, const char* text);
// The same, printed as a quoted JSON string.
void PrintJsonString(FILE* out, const char* text);
