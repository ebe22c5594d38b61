// The FILE lines against each other and against the disc: what Windows makes of the names,
// and what the game folder holds that no line lists.
#pragma once

// After CheckSetupLines (the rows' text lines), in the disc root. pathLine, exeLine: the
// lines that set PATH and EXE (0: the default).
void CheckListedFiles(int pathLine, int exeLine);
