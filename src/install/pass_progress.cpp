// Where the FILECOPY bar stands within the whole pass.
#include "install/pass_progress.h"

uint64_t PassBytes(TypeMask mask, int files) {
  int32_t count = g_Setup.fileCount;
  if (count > kMaxFileEntries) count = kMaxFileEntries;
  uint64_t bytes = 0;
  for (int32_t i = 0; i < count && files != 0; ++i) {
    const FileEntry& file = g_Setup.files[i];
    if ((file.mask & mask) == 0) continue;
    if (file.size > 0) bytes += static_cast<uint64_t>(file.size);
    if (files > 0) --files;
  }
  return bytes;
}

static int BytesDonePosition(uint64_t handled, uint64_t current, uint64_t total) {
  uint64_t done = handled + current;
  if (done < handled || done >= total) return kPassBarRange;  // also a sum that wrapped
  // done < total. Halving both until the total is below 2^18 keeps 1 / 10,000 of precision
  // and lets 32 bits do the sum: a 64-bit division would pull a library routine into the exe.
  while (total >= (uint64_t{1} << 18)) {
    total >>= 1;
    done >>= 1;
  }
  int position = static_cast<int>(static_cast<uint32_t>(done) * kPassBarRange /
                                  static_cast<uint32_t>(total));
  return position < kPassBarRange ? position : kPassBarRange - 1;
}

int PassBarPosition(int shown, uint64_t handled, uint64_t current, uint64_t total) {
  int position = BytesDonePosition(handled, current, total);
  return position > shown ? position : shown;
}
