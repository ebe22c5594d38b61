// The main window's keyboard order: Run game, Install, Uninstall, Exit, top to bottom.
// The buttons are created in a different order, so Tab follows this table rather than the
// order of the windows.
#pragma once

enum MainButtonSlot { kRunGameSlot, kInstallSlot, kUninstallSlot, kExitSlot, kMainButtonCount };

// The slot focus moves to from current, one step forward (step +1, Tab) or back (step -1,
// Shift+Tab). It wraps around and skips disabled buttons. current is -1 when no button has
// focus yet; then a step forward gives the first enabled button. Returns -1 if no button
// is enabled.
int NextButtonSlot(const bool enabled[kMainButtonCount], int current, int step);
