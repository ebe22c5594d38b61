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
  // done < total: with total below 2^50, done * kPassBarRange stays within 64 bits.
  while (total >= (uint64_t{1} << 50)) {
    total >>= 1;
    done >>= 1;
  }
  int position = static_cast<int>(done * kPassBarRange / total);
  return position < kPassBarRange ? position : kPassBarRange - 1;
}

int PassBarPosition(int shown, uint64_t handled, uint64_t current, uint64_t total) {
  int position = BytesDonePosition(handled, current, total);
  return position > shown ? position : shown;
}
