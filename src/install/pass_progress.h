// The FILECOPY bar over the whole pass: bytes of the files already handled plus bytes
// copied of the current one, over the pass's total, with sizes as measured at start-up.
#pragma once
#include <stdint.h>

#include "setup_source/setup_description.h"

// The bar's range is fixed, so that any total fits the control's 32-bit positions.
enum { kPassBarRange = 10000 };

// Measured bytes of the first `files` files of the set of mask, in the copy's order; a
// negative count takes the whole set (the pass's total).
uint64_t PassBytes(TypeMask mask, int files);

// The bar position, 0 to kPassBarRange, for the bytes done; full only when all are done (a
// pass of 0 bytes is full). Never below shown, where the bar stands now: a file that grew
// since it was measured must not pull the bar back at the next file.
int PassBarPosition(int shown, uint64_t handled, uint64_t current, uint64_t total);
