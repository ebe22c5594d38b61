// setup-check [--json] [DISC_ROOT] lets a publisher test a disc folder before burning it.
// It loads the folder's setup.ini with the launcher's own loader, and reports on standard
// output what the launcher will see and every problem found. With --init GAME_FOLDER
// [--force], it first writes a setup.ini for the game folder into its parent, then
// reports on that.
#pragma once

// Returns the exit status: 0 if it loaded without error, 1 if there was at least one
// error, 2 if there is no setup.ini or the command line is wrong.
int RunSetupCheck(int argc, char** argv);
