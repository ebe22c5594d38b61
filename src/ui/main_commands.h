// The main window's own commands: start the game, and quit after asking the player.
#pragma once

void StartGame();
void ConfirmExit();
