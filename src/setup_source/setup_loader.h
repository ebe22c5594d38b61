// Reads setup.ini from the current folder into g_Setup, and measures every listed file.
#pragma once

// Fills g_Setup from the open setup.ini stream; does nothing if none is open. Sets
// SourceFolder to the current folder first. Leaves the stream open, at its end.
void LoadSetupDescription();
