// A second pass over setup.ini, cut into lines and pieces as the loader cuts it, for text
// the loader takes without a word but the launcher or Windows will trip on.
#pragma once
#include "setup_source/setup_keywords.h"

// With the stream open: reports a UTF-8 file once (else each setting value, type name, type
// reference and file line that is not code page 932), a byte order mark, a keyword misspelt
// into a comment line, a title never set, and each quote that a half-width katakana takes
// as its second byte where it ends a value. Paths are split as Windows splits them: a backslash
// after one is a separator to both. lines[i] gets the text line that set setting
// i of kSetupKeywords to the value it holds (0: its default).
void CheckSetupLines(int lines[kSettingKeywordCount]);

// The text line of each row of g_Setup.files, after CheckSetupLines.
extern int g_FileEntryLines[kMaxFileEntries];
