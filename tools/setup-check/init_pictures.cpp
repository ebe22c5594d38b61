#include "init_pictures.h"

#include <string.h>

namespace {

int Big16(const unsigned char* p) { return p[0] << 8 | p[1]; }

int BmpBits(const unsigned char* header, size_t n) {
  if (n < 16) return 0;
  int dib = header[14] | header[15] << 8;
  size_t at = dib == 12 ? 24 : 28;  // the old OS/2 header keeps the depth earlier
  return n < at + 2 ? 0 : header[at] | header[at + 1] << 8;
}

// IHDR: bit depth times the channels of the colour type (grey, -, RGB, palette, grey and
// alpha, -, RGBA).
int PngBits(const unsigned char* header, size_t n) {
  static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  if (n < 26 || memcmp(header + 12, "IHDR", 4) != 0 || header[25] > 6) return 0;
  return header[24] * kChannels[header[25]];
}

// The frame header (SOF0 to SOF15, but not DHT, JPG or DAC): precision times components.
int JpegBits(const unsigned char* header, size_t n) {
  size_t at = 2;
  while (at + 9 < n && header[at] == 0xFF) {
    int marker = header[at + 1];
    bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) return header[at + 4] * header[at + 9];
    at += 2 + static_cast<size_t>(Big16(header + at + 2));
  }
  return 0;
}

}  // namespace

int PictureBits(const unsigned char* header, size_t n) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (n >= 2 && header[0] == 'B' && header[1] == 'M') return BmpBits(header, n);
  if (n >= 8 && memcmp(header, kPng, 8) == 0) return PngBits(header, n);
  if (n >= 3 && header[0] == 0xFF && header[1] == 0xD8 && header[2] == 0xFF) {
    return JpegBits(header, n);
  }
  return 0;
}
