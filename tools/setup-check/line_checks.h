// A second pass over setup.ini, split into lines and pieces as the loader splits it. It
// finds text that the loader accepts silently but that the launcher or Windows will
// stumble over.
#pragma once

// Call with the setup.ini stream open. Reports:
//  - a UTF-8 file, once (otherwise each setting value, type name, type reference and file
//    line that is not code page 932);
//  - a byte order mark;
//  - a misspelt keyword that makes its line a comment;
//  - a title that is never set;
//  - each quote meant to end a value that a half-width katakana takes as its second byte.
// Paths are split as Windows splits them: a backslash after a half-width katakana is a
// separator both to the launcher's path code and to Windows.
void CheckSetupLines();

// setup.ini as the disc root spells it.
const char* SetupFileName();

// Whether setup.ini's lines end in CR alone (an old Mac editor): the loader then reads the
// whole file as one line.
bool EndsLinesInCrOnly();

// After a UTF-8 or byte order mark error, replaces the errors that follow from it with one
// line that counts them. Does nothing for a text without that error.
void SummariseEncodingFollowOns();
