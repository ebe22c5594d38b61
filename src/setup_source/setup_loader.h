// Reading setup.ini from the current folder into g_Setup, measuring every listed file.
#pragma once

// Fills g_Setup from the open stream (nothing when none is open). Sets SourceFolder
// to the current folder first. Leaves the stream open, at its end.
void LoadSetupDescription();
