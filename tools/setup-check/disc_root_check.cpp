// Checks that the launcher and its picture are next to setup.ini. The picture is checked
// by its header alone, so the check works on any system: it looks for what would make
// the launcher's Windows BMP loader refuse it.
#include "disc_root_check.h"

#include <stdint.h>

#include "diagnostics.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"

namespace {

uint32_t Little(const unsigned char* p, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
  return value;
}

// Whether header is a BMP the system can load; if so, sets its width and height. n is the
// number of header bytes read, and size is the whole file's size.
bool ReadBmpHeader(const unsigned char* header, size_t n, uint64_t size, int32_t* width,
                   int32_t* height) {
  if (n < 26 || header[0] != 'B' || header[1] != 'M') return false;
  uint32_t dib = Little(header + 14, 4);
  uint32_t planes = 0;
  uint32_t bits = 0;
  uint32_t compression = 0;
  if (dib == 12) {  // the old OS/2 header: 16-bit sizes
    *width = static_cast<int32_t>(Little(header + 18, 2));
    *height = static_cast<int32_t>(Little(header + 20, 2));
    planes = Little(header + 22, 2);
    bits = Little(header + 24, 2);
  } else if (n >= 34 && (dib == 40 || dib == 52 || dib == 56 || dib == 108 || dib == 124)) {
    *width = static_cast<int32_t>(Little(header + 18, 4));
    *height = static_cast<int32_t>(Little(header + 22, 4));
    planes = Little(header + 26, 2);
    bits = Little(header + 28, 2);
    compression = Little(header + 30, 4);  // 4 and 5 mean JPEG or PNG, which are not drawn
  } else {
    return false;
  }
  if (*height < 0 && *height != INT32_MIN) *height = -*height;  // negative: stored top down
  bool knownBits = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  return planes == 1 && knownBits && compression <= 3 && *width > 0 && *height > 0 &&
         Little(header + 10, 4) < size;
}

}  // namespace

void CheckDiscRootFiles() {
  uint32_t attributes = 0;
  if (!OsGetFileAttributes("setup.exe", &attributes)) {
    AddDiagnostic(0, kSetupWarning,
                  "setup.exe is not in the disc root: the disc has no launcher for the player to "
                  "start");
  }
  uint64_t size = 0;
  FILE* file = OsGetFileSize("setup.bmp", &size) ? OsOpenFile("setup.bmp", "rb") : nullptr;
  if (file == nullptr) {
    AddDiagnostic(0, kSetupWarning,
                  "setup.bmp is not in the disc root: the window shows a grey panel where the "
                  "picture goes");
    return;
  }
  unsigned char header[54];
  size_t n = fread(header, 1, sizeof header, file);
  fclose(file);
  int32_t width = 0;
  int32_t height = 0;
  if (!ReadBmpHeader(header, n, size, &width, &height)) {
    AddDiagnostic(0, kSetupWarning,
                  "setup.bmp is no picture the launcher can load: the window shows a grey panel; "
                  "save it as a Windows BMP, the only format the launcher loads");
  } else if (width != 320 || height != 240) {
    AddDiagnostic(0, kSetupWarning, "setup.bmp is %d x %d: the window scales it to 320 x 240",
                  static_cast<int>(width), static_cast<int>(height));
  }
}
