// Checks the launcher's picture and the disc's own autorun.inf next to setup.ini. The
// picture is checked by its header alone, so the check works on any system: it looks for
// what would make the launcher's Windows BMP loader refuse it.
#include "disc_root_check.h"

#include <stdint.h>
#include <string.h>

#include "diagnostics.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "root_names.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"

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

bool StartsIgnoringCase(const char* text, const char* start) {
  while (*start != '\0' && ToAsciiLower(*text) == ToAsciiLower(*start)) ++text, ++start;
  return *start == '\0';
}

// Reads the disc's own autorun.inf as Windows reads it: the [autorun] section's open and
// icon lines. Only what matters to AutoPlay is checked.
void CheckOwnAutorun(const char* name) {
  FILE* file = OsOpenFile(name, "rb");
  if (file == nullptr) return;
  char line[kLineSize];
  char open[kLineSize] = "";
  char icon[kLineSize] = "";
  bool inSection = false;
  while (fgets(line, sizeof line, file) != nullptr) {
    size_t n = strlen(line);
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r' || line[n - 1] == ' ')) {
      line[--n] = '\0';
    }
    if (line[0] == '[') {
      inSection = SameNameIgnoringCase(line, "[autorun]");
    } else if (inSection && StartsIgnoringCase(line, "open=")) {
      CopyText(open, sizeof open, line + 5);
    } else if (inSection && StartsIgnoringCase(line, "icon=")) {
      CopyText(icon, sizeof icon, line + 5);
    }
  }
  fclose(file);
  if (!SameNameIgnoringCase(open, "setup.exe") && !SameNameIgnoringCase(open, "\\setup.exe")) {
    AddRuleDiagnostic("autorun-not-launcher", 0, kSetupWarning,
                      "the disc's own %s starts \"%s\", not setup.exe: AutoPlay does not offer "
                      "the launcher; remove the file and make-disc writes one that does",
                      name, open);
  }
  char* comma = strchr(icon, ',');
  if (comma != nullptr) *comma = '\0';
  uint32_t attributes = 0;
  if (icon[0] == '\0' || !OsGetFileAttributes(icon, &attributes)) {
    AddRuleDiagnostic("autorun-icon-missing", 0, kSetupWarning,
                      "the icon \"%s\" that %s names is not on the disc: Explorer shows the "
                      "drive without the game's icon",
                      icon, name);
  }
}

}  // namespace

void CheckDiscRootFiles() {
  const char* autorun = RootName(kRootAutorun);
  if (autorun != nullptr) CheckOwnAutorun(autorun);
  const char* bmp = RootName(kRootSetupBmp);
  uint64_t size = 0;
  FILE* file = bmp != nullptr && OsGetFileSize(bmp, &size) ? OsOpenFile(bmp, "rb") : nullptr;
  if (file == nullptr) {
    AddRuleDiagnostic("setup-bmp-missing", 0, kSetupWarning,
                      "setup.bmp is not in the disc root: the window shows a grey panel where "
                      "the picture goes");
    return;
  }
  unsigned char header[54];
  size_t n = fread(header, 1, sizeof header, file);
  fclose(file);
  int32_t width = 0;
  int32_t height = 0;
  if (!ReadBmpHeader(header, n, size, &width, &height)) {
    AddRuleDiagnostic("setup-bmp-not-bmp", 0, kSetupWarning,
                      "%s is no picture the launcher can load: the window shows a grey panel; "
                      "save it as a Windows BMP, the only format the launcher loads",
                      bmp);
  } else if (width != 320 || height != 240) {
    AddRuleDiagnostic("setup-bmp-size", 0, kSetupWarning,
                      "%s is %d x %d: the window scales it to 320 x 240", bmp,
                      static_cast<int>(width), static_cast<int>(height));
  }
}
