// Cutting a directive line ("#KEYWORD value") into its keyword and its value.
#pragma once
#include <stddef.h>

// line begins with '#'. Both outputs are always terminated; each is cut at a whole
// character if its buffer is smaller than the line.
void CutDirectiveLine(const char* line, char* keyword, size_t keywordCap, char* value,
                      size_t valueCap);
