// The draft setup.ini's text.
#pragma once
#include <stddef.h>

// Writes the text of setup.ini for g_Draft, in code page 932 with CR LF. Returns false,
// and reports it, if a value would not read back as written.
bool ComposeDraft(char* text, size_t cap, size_t* length);
