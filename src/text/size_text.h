// Formats the sizes shown in the install dialog: MiB with two decimals, truncated, as
// "1.42M".
#pragma once
#include <stddef.h>
#include <stdint.h>

// out needs 16 bytes for any 32-bit count; a negative count shows as 0.00M.
void FormatSizeText(char* out, size_t cap, int32_t bytes);

// The same format for any byte count, including counts past 2 GiB. out needs 24 bytes.
void FormatByteSize(char* out, size_t cap, uint64_t bytes);

// Rounds bytes up to a whole number of KiB, the way each type's total is counted.
int64_t RoundUpToWholeKiB(int64_t bytes);
