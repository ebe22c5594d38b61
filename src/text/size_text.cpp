#include "text/size_text.h"

#include "text/bounded_text.h"

void FormatSizeText(char* out, size_t cap, int32_t bytes) {
  uint32_t kib = bytes > 0 ? static_cast<uint32_t>(bytes) / 1024u : 0u;
  uint32_t hundredths = kib * 100u / 1024u;  // kib < 2^21, so kib * 100 fits 32 bits
  FormatText(out, cap, "%u.%02uM", hundredths / 100u, hundredths % 100u);
}

void FormatByteSize(char* out, size_t cap, uint64_t bytes) {
  if (bytes <= 0x7fffffffu) {
    FormatSizeText(out, cap, static_cast<int32_t>(bytes));
    return;
  }
  // The same rounding as the labels (whole KiB, then whole hundredths of a MiB), extended
  // past 2 GiB. The dialog shows at most 16 types of under 2 GiB each, far below the
  // 2^32 MiB where the value below would be capped.
  uint64_t mib = bytes >> 20;
  unsigned hundredths = static_cast<unsigned>(((bytes >> 10) & 1023) * 100 >> 10);
  unsigned whole = mib > 0xffffffffu ? 0xffffffffu : static_cast<unsigned>(mib);
  FormatText(out, cap, "%u.%02uM", whole, hundredths);
}

int64_t RoundUpToWholeKiB(int64_t bytes) { return (bytes + 1023) / 1024 * 1024; }
