// Loads the splash picture from its file. The window loads it once and keeps it.
#include "platform/win32/gui_image.h"

#include "platform/win32/wide_text.h"

HBITMAP GuiLoadBitmapFile(const char* path, int width, int height) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, wide, IMAGE_BITMAP, width, height, LR_LOADFROMFILE));
}
