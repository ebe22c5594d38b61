// The display scale of a window, and what must be made again for it: the dialogs' font and
// the window's icons. The launcher is per-monitor DPI aware, so each of its sizes at 96 DPI
// is scaled by its window's DPI.
#pragma once
#include <windows.h>

// The DPI of the window's monitor, or of the screen before Windows 10 or with no window.
int GuiWindowDpi(HWND window);
// value, a size at 96 DPI, at dpi, rounded to the nearest pixel.
inline int GuiScale(int value, int dpi) { return MulDiv(value, dpi, 96); }
// The outer size of a window of style whose inside is clientWidth x clientHeight at dpi.
SIZE GuiOuterSize(DWORD style, int clientWidth, int clientHeight, int dpi);
// The dialogs' face, 9-point ＭＳ Ｐゴシック, at dpi. The caller deletes it.
HFONT GuiCreateDialogFont(int dpi);
// Gives the window the big and the small image of icon group iconId that suit dpi, and
// frees the images it had.
void GuiSetWindowIcons(HWND window, int iconId, int dpi);
