// The FILECOPY bar over the whole pass: position from the bytes done; bytes of files handled.
#include "install/pass_progress.h"

#include <gtest/gtest.h>

TEST(PassProgress, PositionFromBytesDone) {
  struct Case {
    int shown;
    uint64_t handled, current, total;
    int position;
  } cases[] = {
      {0, 0, 0, 0, 10000},  // a pass of no bytes is full
      {0, 250, 250, 1000, 5000},
      {0, 900, 400, 1000, 10000},            // the last file grew since it was measured
      {7000, 600, 0, 1000, 7000},            // the one before grew: the bar stays
      {0, 0, 1073741824, 549755813376, 19},  // 256 files near 2 GiB: past 32 bits
      {0, 4611686018427387904u, 0, 9223372036854775808u, 5000},
      {0, UINT64_MAX - 1, 0, UINT64_MAX, 9999},  // not done: never shown full
      {0, UINT64_MAX, 5, 10, 10000},             // a sum past 64 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PassBarPosition(c.shown, c.handled, c.current, c.total), c.position)
        << c.handled << " + " << c.current << " of " << c.total;
  }
}

TEST(PassProgress, BytesOfTheFilesHandledInListOrder) {
  static SetupDescription saved;
  saved = g_Setup;
  const TypeMask masks[] = {0x1, 0x2, 0x1, kNoTypeBit, 0x4};
  const int32_t sizes[] = {100, 300, 600, 50, 0};
  g_Setup.fileCount = 5;
  for (int i = 0; i < 5; ++i) {
    g_Setup.files[i].mask = masks[i];
    g_Setup.files[i].size = sizes[i];
  }
  EXPECT_EQ(PassBytes(0x1, -1), 700u);
  EXPECT_EQ(PassBytes(0x1, 1), 100u);
  EXPECT_EQ(PassBytes(0x3, 2), 400u);
  EXPECT_EQ(PassBytes(0x7 | kNoTypeBit, -1), 1050u);
  g_Setup = saved;
}
