// Loads the splash picture.
// Texts are passed in as code page 932 and converted explicitly, so Japanese shows
// correctly whatever the system's code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// Loads a bitmap file scaled to width x height. Returns null if it cannot be loaded.
HBITMAP GuiLoadBitmapFile(const char* path, int width, int height);
