// The yes/no questions: the folder to make or use, the exit, the uninstall.
#pragma once
#include <windows.h>

enum ConfirmKind { kConfirmFolderMake, kConfirmFolderOk, kConfirmExit, kConfirmUninstall };
// The yes/no dialog of that kind (DIRMAKE, DIROK, ENDBOX, UNINSTALL); its answer is left
// in g_DialogOutcome.
void ShowConfirmDialog(ConfirmKind kind, HWND owner);
