// The chains of dialogs, checks and engine calls behind Install and Uninstall.
#pragma once

void RunInstallFlow();
void RunUninstallFlow();
