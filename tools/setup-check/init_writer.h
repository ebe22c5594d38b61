// The draft setup.ini's text.
#pragma once
#include <stddef.h>

// The text of setup.ini for g_Draft, code page 932 with CR LF; false when a value would not
// read back as written (reported).
bool ComposeDraft(char* text, size_t cap, size_t* length);
