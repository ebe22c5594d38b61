// The FILECOPY bar shows progress over the whole copy pass: the bytes of the files already
// handled plus the bytes copied of the current one, out of the pass's total. Sizes are the
// ones measured at start-up.
#pragma once
#include <stdint.h>

#include "setup_source/setup_description.h"

// The bar's range is fixed, so that any total fits the control's 32-bit positions.
enum { kPassBarRange = 10000 };

// The measured bytes of the first `files` files selected by mask, in copy order. A
// negative count takes all of them (the pass's total).
uint64_t PassBytes(TypeMask mask, int files);

// The bar position, 0 to kPassBarRange, for the bytes done. The bar is full only when all
// bytes are done (a pass of 0 bytes is full at once). The result is never below shown,
// the bar's current position: if a file grew since it was measured, the bar must not go
// back when the next file starts.
int PassBarPosition(int shown, uint64_t handled, uint64_t current, uint64_t total);
