// Modal dialogs from the resource templates, and the texts of their items.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// From the resource template of that name in setup.exe.
INT_PTR GuiDialogBox(const char* templateName, HWND owner, DLGPROC procedure);
void GuiSetItemText(HWND dialog, int id, const char* text);
// The item's text in code page 932, marked where a character has none (see wide_text.h).
bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap);
void GuiSetWindowText(HWND window, const char* text);
