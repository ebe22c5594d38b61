// The FILECOPY bar over the whole pass: position from the bytes done, and the bytes of
// the files already handled in the copy's order.
#include "install/pass_progress.h"

#include <gtest/gtest.h>
#include <stdint.h>

TEST(PassProgress, PositionFromBytesDone) {
  const uint64_t kMax = UINT64_MAX;
  struct Case {
    int shown;
    uint64_t handled, current, total;
    int position;
  } cases[] = {
      {0, 0, 0, 0, 10000},  // a pass of no bytes is full
      {0, 0, 0, 1000, 0},
      {0, 250, 250, 1000, 5000},
      {0, 999, 0, 1000, 9990},
      {0, 1000, 0, 1000, 10000},
      {0, 900, 400, 1000, 10000},            // the last file grew since it was measured
      {7000, 600, 0, 1000, 7000},            // the file before it grew: the bar stays
      {0, 0, 1073741824, 549755813376, 19},  // 256 files near 2 GiB: past 32 bits
      {0, 4611686018427387904u, 0, 9223372036854775808u, 5000},
      {0, kMax - 1, 0, kMax, 9999},  // not done: never shown full
      {0, kMax, 5, 10, 10000},       // a sum past 64 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PassBarPosition(c.shown, c.handled, c.current, c.total), c.position)
        << c.handled << " + " << c.current << " of " << c.total;
  }
}

TEST(PassProgress, NeverMovesBackwardsWithinAFile) {
  for (uint64_t total : {uint64_t{3}, uint64_t{10007}, uint64_t{1} << 40, UINT64_MAX}) {
    int shown = 0;
    for (uint64_t step = 0; step < 97; ++step) {
      uint64_t done = total / 97 * step + step / 40;  // rising, always below total
      int next = PassBarPosition(0, done / 2, done - done / 2, total);
      EXPECT_GE(next, shown) << done << " of " << total;
      EXPECT_LT(next, 10000) << done << " of " << total;
      shown = next;
    }
  }
}

TEST(PassProgress, BytesOfTheFilesHandledInListOrder) {
  static SetupDescription saved;
  saved = g_Setup;
  const struct {
    TypeMask mask;
    int32_t size;
  } files[] = {{0x1, 100}, {0x2, 300}, {0x1, 600}, {kNoTypeBit, 50}, {0x4, 0}};
  g_Setup.fileCount = 5;
  for (int i = 0; i < 5; ++i) {
    g_Setup.files[i].mask = files[i].mask;
    g_Setup.files[i].size = files[i].size;
  }
  EXPECT_EQ(PassBytes(0x1, -1), 700u);
  EXPECT_EQ(PassBytes(0x1, 0), 0u);
  EXPECT_EQ(PassBytes(0x1, 1), 100u);
  EXPECT_EQ(PassBytes(0x3, 2), 400u);
  EXPECT_EQ(PassBytes(0x7 | kNoTypeBit, -1), 1050u);
  EXPECT_EQ(PassBytes(0x8, -1), 0u);
  g_Setup = saved;
}
