// The FILE lines against each other and against the disc: what Windows makes of the names,
// and what the game folder holds that no line lists.
#pragma once

// After CheckSetupLines (the rows' text lines).
void CheckListedFiles();
