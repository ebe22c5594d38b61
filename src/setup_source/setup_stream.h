// Reads setup.ini line by line for the loader, the same way on every system: a CR before
// an LF is dropped, and a Ctrl-Z byte ends the text.
#pragma once
#include <stddef.h>

// Opens setup.ini for the launcher. If it cannot be opened, prints
// "SETUP.LST が開けませんでした。" on standard output; no box is shown.
void OpenSetupFile();
void RewindSetupFile();
void CloseSetupFile();

// Opens setup.ini in the current folder without reporting anything. Returns false if it
// cannot be opened.
bool OpenSetupStream();
// The same for the file as the folder spells it ("SETUP.INI"), for tools on systems that
// match names by case.
bool OpenSetupStreamNamed(const char* name);
bool SetupStreamIsOpen();

// Reads the next line into line, up to and including its LF, at most cap - 1 bytes, and
// terminates it. *length is the number of bytes read, so the caller can spot a zero byte
// inside the line. Returns false at the end of the text.
bool ReadSetupLine(char* line, size_t cap, size_t* length);

// The 1-based line number of the last line read. When a long line is read in pieces,
// every piece gets the same number.
extern int g_SetupTextLine;
