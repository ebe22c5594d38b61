// Splits a directive line ("#KEYWORD value") into its keyword and its value.
#pragma once
#include <stddef.h>

// line must start with '#'. Both outputs are always terminated. If a buffer is too small,
// its text is cut at a whole character. Returns where the value starts in line.
size_t CutDirectiveLine(const char* line, char* keyword, size_t keywordCap, char* value,
                        size_t valueCap);
