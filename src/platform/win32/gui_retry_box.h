// The box that offers to try a failed step again.
#pragma once
#include <windows.h>

// Shows a modal warning box with the buttons 再試行 (Retry) and キャンセル (Cancel), owned by
// owner. Texts are code page 932. Returns true for 再試行; closing the box counts as キャンセル.
bool GuiAskRetry(HWND owner, const char* text, const char* caption);
