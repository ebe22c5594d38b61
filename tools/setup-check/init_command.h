// setup-check --init GAME_FOLDER [--force]: the command itself.
#pragma once

// Writes setup.ini into the parent of gameFolder and leaves that parent the current folder.
// 0 when written; otherwise the exit status after the reasons went to standard error.
int WriteSetupDraft(const char* gameFolder, bool force);
