// The size labels of the install dialog: whole hundredths of a MiB, truncated, as "1.42M".
#pragma once
#include <stddef.h>
#include <stdint.h>

// out needs 16 bytes for any 32-bit count; a negative count shows as 0.00M.
void FormatSizeText(char* out, size_t cap, int32_t bytes);
