// Whether an extent fits: the bytes it needs, the folder whose drive is asked, the size text.
#include <gtest/gtest.h>

#include "install/free_space.h"
#include "install/install_selection.h"
#include "platform/file_system.h"
#include "scratch_folder.h"

TEST(InstallFit, ExtentBytesAsTheDialogCountsThem) {
  static SetupDescription saved;
  saved = g_Setup;
  const int32_t typeSizes[] = {600000, 2000002, 70000, 0, 2147483647};
  for (int type = 0; type < 5; ++type) g_Setup.types[type].size = typeSizes[type];
  g_Setup.sets[kInstallS].size = 670720;
  g_Setup.sets[kInstallB].size = 2671616;
  EXPECT_EQ(ExtentBytes(kInstallMinimum, 0x5), 670720u);
  EXPECT_EQ(ExtentBytes(kInstallMaximum, 0x17), 2671616u);
  EXPECT_EQ(ExtentBytes(kInstallCustom, 0x03), 2600960u);     // 600,064 + 2,000,896
  EXPECT_EQ(ExtentBytes(kInstallCustom, 0x1F), 2150155264u);  // past 2 GiB, not wrapped
  EXPECT_EQ(ExtentBytes(kInstallNone, 0x1F), 0u);
  g_Setup = saved;
}

TEST(InstallFit, SizeTextPastTwoGiB) {
  char text[24];
  FormatByteSize(text, sizeof text, 2150155264);
  EXPECT_STREQ(text, "2050.54M");
}

using NearestFolder = ScratchFolder;

TEST_F(NearestFolder, WalksUpToAnExistingFolderOnly) {
  ASSERT_TRUE(OsCreateFolder("a"));
  WriteBytes("f.bin", "x");
  struct Case {
    const char* path;
    const char* folder;  // "-": no answer, the check is left out
  } cases[] = {
      {"a\\b\\c", "a"},
      {"f.bin\\GAME", "-"},              // the nearest item is a file
      {"none\\GAME", "-"},               // nothing of the path exists
      {"Q:\\none\\GAME", "-"},           // no such drive
      {"\\\\server\\share\\GAME", "-"},  // not the current drive's root
  };
  for (const Case& c : cases) {
    char folder[64];
    bool found = NearestExistingFolder(c.path, folder, sizeof folder);
    EXPECT_STREQ(found ? folder : "-", c.folder) << c.path;
  }
  uint64_t free = 0;
  EXPECT_FALSE(IsShortOfSpace("a\\GAME", 0, &free));
  EXPECT_TRUE(IsShortOfSpace("a\\GAME", UINT64_MAX, &free));
  EXPECT_FALSE(IsShortOfSpace("Q:\\GAME", UINT64_MAX, &free));  // unreadable: go on
}
