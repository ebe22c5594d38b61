// What the launcher's window, flows and dialogs share inside setup.exe.
#pragma once
#include <windows.h>

extern HINSTANCE g_Instance;

HWND MainWindow();
bool CreateMainWindow(int showCommand);
// Installed: Install off; Uninstall and Run game on. Exit is always on.
void SetButtonStates(bool installed);
// Keyboard focus to the first enabled button in the order Run game, Install, Uninstall, Exit.
void FocusFirstButton();
// Tab, Shift+Tab, Enter and Esc on the main window; true when the key was taken.
bool HandleMainWindowKey(const MSG& message);
void StartGame();
void ConfirmExit();
void RunInstallFlow();
void RunUninstallFlow();

enum ConfirmKind { kConfirmFolderMake, kConfirmFolderOk, kConfirmExit, kConfirmUninstall };
// The yes/no dialog of that kind (DIRMAKE, DIROK, ENDBOX, UNINSTALL); its answer is left
// in g_DialogOutcome.
void ShowConfirmDialog(ConfirmKind kind, HWND owner);

INT_PTR CALLBACK InstallOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FileCopyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
