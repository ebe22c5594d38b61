#include "text/size_text.h"

#include "text/bounded_text.h"

void FormatSizeText(char* out, size_t cap, int32_t bytes) {
  uint32_t kib = bytes > 0 ? static_cast<uint32_t>(bytes) / 1024u : 0u;
  uint32_t hundredths = kib * 100u / 1024u;  // kib < 2^21, so kib * 100 fits 32 bits
  FormatText(out, cap, "%u.%02uM", hundredths / 100u, hundredths % 100u);
}
