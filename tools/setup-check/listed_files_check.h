// The FILE lines against each other and against the disc: what Windows makes of the names,
// and what the game folder holds that no line lists.
#pragma once

// After CheckSetupLines (the rows' text lines). exeLine: the line that set EXE (0: default).
void CheckListedFiles(int exeLine);
