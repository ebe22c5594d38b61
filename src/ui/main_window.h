// The launcher's only window: the splash picture and the column of buttons.
#pragma once

// Makes the window, shows it and paints the picture; false if it could not be made.
bool CreateMainWindow(int showCommand);
// Then the buttons, each in its state for whether the game is installed.
void AddMainButtons(bool installed);
