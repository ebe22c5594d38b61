// Loads the splash picture.
#pragma once
#include <stddef.h>
#include <windows.h>

// Loads a bitmap file scaled to width x height. Returns null if it cannot be loaded.
HBITMAP GuiLoadBitmapFile(const char* path, int width, int height);
