// Checks the FILE lines against each other and against the disc: how Windows will read
// the names, and which files in the game folder no line lists.
#pragma once

// Call after loading, with the disc root as the current folder. pathLine and exeLine are the lines
// that set PATH and EXE (0 for the default).
void CheckListedFiles(int pathLine, int exeLine);
