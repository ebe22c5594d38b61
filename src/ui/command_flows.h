// What happens when the player presses Install or Uninstall: the dialogs, checks and
// engine calls, in order.
#pragma once

void RunInstallFlow();
void RunUninstallFlow();
