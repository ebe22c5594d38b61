// Finds names that Windows reads as some other name, or as a device instead of a file.
#pragma once
#include <stddef.h>

// Whether Windows would read fileLine as another name. That happens when a component ends
// in a dot or a blank ("." too), which Windows drops, or when a component is empty (two
// separators in a row, or one at the end).
bool IsWindowsAlias(const char* fileLine);

// Whether a component's last character is a dot or a blank. Windows drops that character:
// "Windows." opens "Windows".
bool EndsInDotOrBlank(const char* component, size_t length);

// Whether a component is a device name: CON, PRN, AUX, NUL, COM1-COM9 or LPT1-LPT9, in
// any case, with or without an extension and blanks before it. Windows opens the device
// whichever folder the name is in.
bool IsDeviceName(const char* component, size_t length);
