// Proves the setup.exe at the disc root is the launcher a player's Windows can start: a
// 32-bit (i386) Windows GUI program, by its PE header, whose version information says it
// is this kit's launcher.
#pragma once

// Set by --x86_64-for-testing: the project's own test discs carry the x86_64 launcher,
// the one Wine runs here. No player's disc may.
extern bool g_AcceptX86_64Launcher;

// Reports a missing setup.exe or one that is no 32-bit GUI program (errors but the first),
// and one whose version information is another program's (a warning).
void CheckLauncher();
