// setup-check [--json] [DISC_ROOT]: loads a disc folder's setup.ini with the launcher's
// own loader and reports on standard output what the launcher will see and every
// problem found. With --init GAME_FOLDER [--force] it first writes a setup.ini for the
// game folder into its parent, then reports on that.
#pragma once

// Returns the exit status: 0 loaded without error, 1 at least one error, 2 no setup.ini
// or bad usage.
int RunSetupCheck(int argc, char** argv);
