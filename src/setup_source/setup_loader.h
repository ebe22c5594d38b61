// Reading setup.ini from the current folder into g_Setup, measuring every listed file.
#pragma once
#include <stdint.h>

#include "setup_source/setup_description.h"

// The one open setup.ini stream. Open prints "SETUP.LST が開けませんでした。" on standard
// output when the file cannot be opened; no box.
void OpenSetupFile();
void RewindSetupFile();
void CloseSetupFile();

// Fills g_Setup from the open stream (nothing when none is open). Sets SourceFolder
// to the current folder first. Leaves the stream open, at its end.
void LoadSetupDescription();

// Index of the first declared type whose name begins with reference, or -1 (reported).
int FindDataType(const char* reference);

// Size of a file line below the disc's game folder (current folder, PATH, line).
int32_t MeasureSourceFile(const char* fileLine);

// Size of the file at path rounded up to even; 0 when it cannot be opened or measured.
int32_t EvenFileSize(const char* path);

// Removes every tab, line feed, carriage return and space from the end of text.
void TrimLineEnd(char* text);
