// The figures the install dialogs show and check: the bytes of an extent and of a pass, the
// FILECOPY bar over the whole pass, sizes past 2 GiB, and the folder whose drive is asked.
#include "install/free_space.h"
#include "install/install_selection.h"
#include "install/pass_progress.h"
#include "scratch_folder.h"

using InstallFigures = ScratchFolder;

TEST_F(InstallFigures, BytesOfAnExtentAndOfThePassSoFar) {
  const int32_t typeSizes[] = {600000, 2000002, 70000, 0, 2147483647};
  for (int type = 0; type < 5; ++type) g_Setup.types[type].size = typeSizes[type];
  g_Setup.sets[kInstallS].size = 670720;
  g_Setup.sets[kInstallB].size = 2671616;
  EXPECT_EQ(ExtentBytes(kInstallMinimum, 0x5), 670720u);
  EXPECT_EQ(ExtentBytes(kInstallMaximum, 0x17), 2671616u);
  EXPECT_EQ(ExtentBytes(kInstallCustom, 0x03), 2600960u);     // 600,064 + 2,000,896
  EXPECT_EQ(ExtentBytes(kInstallCustom, 0x1F), 2150155264u);  // past 2 GiB, not wrapped
  EXPECT_EQ(ExtentBytes(kInstallNone, 0x1F), 0u);
  // The files handled before a given one, in list order.
  const TypeMask masks[] = {0x1, 0x2, 0x1, kNoTypeBit, 0x4};
  const int32_t sizes[] = {100, 300, 600, 50, 0};
  for (g_Setup.fileCount = 0; g_Setup.fileCount < 5; ++g_Setup.fileCount) {
    g_Setup.files[g_Setup.fileCount].mask = masks[g_Setup.fileCount];
    g_Setup.files[g_Setup.fileCount].size = sizes[g_Setup.fileCount];
  }
  EXPECT_EQ(PassBytes(0x1, -1), 700u);
  EXPECT_EQ(PassBytes(0x1, 1), 100u);
  EXPECT_EQ(PassBytes(0x3, 2), 400u);
  EXPECT_EQ(PassBytes(0x7 | kNoTypeBit, -1), 1050u);
}

TEST_F(InstallFigures, BarPositionFromBytesDone) {
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
  char text[24];
  FormatByteSize(text, sizeof text, 2150155264);
  EXPECT_STREQ(text, "2050.54M");
}

TEST_F(InstallFigures, FreeSpaceIsAskedOfTheNearestExistingFolderOnly) {
  ASSERT_TRUE(OsCreateFolder("a"));
  WriteBytes("f.bin", "x");
  // "-": no answer, for a file on the way, nothing there, no such drive, another root.
  const char* cases[][2] = {{"a\\b\\c", "a"},
                            {"f.bin\\GAME", "-"},
                            {"none\\GAME", "-"},
                            {"Q:\\none\\GAME", "-"},
                            {"\\\\server\\share\\GAME", "-"}};
  for (const auto& c : cases) {
    char folder[64];
    bool found = NearestExistingFolder(c[0], folder, sizeof folder);
    EXPECT_STREQ(found ? folder : "-", c[1]) << c[0];
  }
  uint64_t free = 0;
  EXPECT_FALSE(IsShortOfSpace("a\\GAME", 0, &free));
  EXPECT_TRUE(IsShortOfSpace("a\\GAME", UINT64_MAX, &free));
  EXPECT_FALSE(IsShortOfSpace("Q:\\GAME", UINT64_MAX, &free));  // unreadable: go on
}
