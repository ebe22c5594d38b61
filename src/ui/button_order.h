// The main window's keyboard order: Run game, Install, Uninstall, Exit, top to bottom.
// The buttons are created in another order, so Tab follows this table, not the windows.
#pragma once

enum MainButtonSlot { kRunGameSlot, kInstallSlot, kUninstallSlot, kExitSlot, kMainButtonCount };

// The slot that focus moves to from current (-1: none yet) one step forward (+1, Tab) or
// back (-1, Shift+Tab), wrapping and passing over disabled buttons; -1 when none is enabled.
// From -1 forward gives the first enabled button.
int NextButtonSlot(const bool enabled[kMainButtonCount], int current, int step);
