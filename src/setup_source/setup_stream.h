// The setup.ini stream as the loader reads it: lines of at most cap - 1 bytes, with a CR
// before LF dropped and the text ended at a Ctrl-Z byte, the same on every system.
#pragma once
#include <stddef.h>

// The launcher's open: prints "SETUP.LST が開けませんでした。" on standard output when
// the file cannot be opened; no box.
void OpenSetupFile();
void RewindSetupFile();
void CloseSetupFile();

// Opens setup.ini in the current folder without any report; false when it cannot be.
bool OpenSetupStream();
bool SetupStreamIsOpen();

// The next line into line (up to and including its LF, at most cap - 1 bytes, ended by
// a zero byte); *length counts its bytes, so a zero byte inside it shows. false at the
// end of the text.
bool ReadSetupLine(char* line, size_t cap, size_t* length);

// 1-based text line of the last line read; a line cut into pieces keeps one number.
extern int g_SetupTextLine;
