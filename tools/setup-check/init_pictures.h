// Reads a picture's colour depth from its header, so that --init can put it under the
// install dialog's 16-bit or 24/32-bit picture type.
#pragma once
#include <stddef.h>

// The bits per pixel that a BMP, PNG or JPEG header gives, or 0 if it gives none. n is the
// number of bytes read from the file's start.
int PictureBits(const unsigned char* header, size_t n);
