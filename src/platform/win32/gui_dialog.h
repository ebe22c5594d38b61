// Shows modal dialogs from the resource templates, and sets and reads their items' texts.
#pragma once
#include <stddef.h>
#include <windows.h>

// Runs the dialog from the resource template of that name in setup.exe.
INT_PTR GuiDialogBox(const char* templateName, HWND owner, DLGPROC procedure);
void GuiSetItemText(HWND dialog, int id, const char* text);
// The item's text in code page 932. A character that code page 932 cannot hold becomes
// '?' (see wide_text.h). Returns false if the text does not fit cap whole.
bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap);
void GuiSetWindowText(HWND window, const char* text);
