// The FILECOPY bar over the whole pass, sizes past 2 GiB and 32 bits.
#include "install/pass_progress.h"

#include "install/install_selection.h"
#include "scratch_folder.h"

using PassProgress = ScratchFolder;

TEST_F(PassProgress, BytesOfThePassSoFar) {
  // The files handled before a given one, in list order.
  const FileEntry files[] = {
      {"", 0x1, 100}, {"", 0x2, 300}, {"", 0x1, 600}, {"", kNoTypeBit, 50}, {"", 0x4, 0}};
  g_Setup.fileCount = 5;
  for (int i = 0; i < 5; ++i) g_Setup.files[i] = files[i];
  EXPECT_EQ(PassBytes(0x1, -1), 700u);
  EXPECT_EQ(PassBytes(0x1, 1), 100u);
  EXPECT_EQ(PassBytes(0x3, 2), 400u);
  EXPECT_EQ(PassBytes(0x7 | kNoTypeBit, -1), 1050u);
}

TEST_F(PassProgress, BarPositionFromBytesDone) {
  // Where the bar stands, bytes of the files handled, of the current file, of the pass; position.
  const std::tuple<int, uint64_t, uint64_t, uint64_t, int> cases[] = {
      {0, 0, 0, 0, 10000},  // a pass of no bytes is full
      {0, 250, 250, 1000, 5000},
      {0, 4611686018427387904u, 0, 9223372036854775808u, 5000},
      {0, 900, 400, 1000, 10000},                // the last file grew since it was measured
      {7000, 600, 0, 1000, 7000},                // the one before grew: the bar stays
      {0, 0, 1073741824, 549755813376, 19},      // 256 files near 2 GiB: past 32 bits
      {0, UINT64_MAX - 1, 0, UINT64_MAX, 9999},  // not done: never shown full
      {0, UINT64_MAX, 5, 10, 10000},             // a sum past 64 bits
  };
  for (const auto& [shown, handled, current, total, position] : cases) {
    EXPECT_EQ(PassBarPosition(shown, handled, current, total), position)
        << handled << "+" << current;
  }
}
