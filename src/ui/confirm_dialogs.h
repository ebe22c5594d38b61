// The yes/no questions: create the folder, use the folder, exit, and uninstall.
#pragma once
#include <windows.h>

enum ConfirmKind { kConfirmFolderMake, kConfirmFolderOk, kConfirmExit, kConfirmUninstall };
// Shows the yes/no dialog of that kind (DIRMAKE, DIROK, ENDBOX, UNINSTALL). The answer is
// left in g_DialogOutcome.
void ShowConfirmDialog(ConfirmKind kind, HWND owner);
