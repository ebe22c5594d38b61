// The splash picture.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// A bitmap file scaled to width x height; null when it cannot be loaded.
HBITMAP GuiLoadBitmapFile(const char* path, int width, int height);
