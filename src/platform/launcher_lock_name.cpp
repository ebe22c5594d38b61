#include "platform/launcher_lock_name.h"

#include <stdint.h>

#include "path/path_characters.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"

void FormLauncherLockName(const char* keyPath, char* out, size_t cap) {
  uint64_t hash = 0xcbf29ce484222325u;  // FNV-1a, 64 bits
  for (const char* p = keyPath; *p != '\0';) {
    // Do not change the case of a two-byte character's bytes: a second byte that looks
    // like a letter is not one.
    size_t length = PathCharLength(p);
    for (const char* end = p + length; p < end; ++p) {
      char byte = length == 1 ? ToAsciiUpper(*p) : *p;
      hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3u;
    }
  }
  FormatText(out, cap, "Local\\SetupLauncher.%08x%08x", static_cast<unsigned>(hash >> 32),
             static_cast<unsigned>(hash));
}
