// Names Windows reads as other names or as no file at all.
#pragma once
#include <stddef.h>

// Whether Windows would read fileLine as another name: a component that ends with a dot
// or a blank ("." too), which Windows drops, or an empty one (two separators in a row, or
// one at the end).
bool IsWindowsAlias(const char* fileLine);

// A component whose last character is a dot or a blank, which Windows drops: "Windows."
// opens "Windows".
bool EndsInDotOrBlank(const char* component, size_t length);

// CON, PRN, AUX, NUL, COM1-COM9 or LPT1-LPT9 in any case, with or without an extension
// and blanks before it, as Windows takes them wherever they stand in a path.
bool IsDeviceName(const char* component, size_t length);
