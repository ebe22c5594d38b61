// Works out the FILECOPY bar's position within the whole copy pass.
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
  if (done < handled || done >= total) return kPassBarRange;  // done < handled: it wrapped
  // Here done < total. Halve both until total is below 2^18: that still gives 1/10,000
  // precision, and lets the sum use 32 bits. A 64-bit division would pull a library
  // routine into the program.
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
