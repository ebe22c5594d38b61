// What 開始 (Start) checks before an install: the bytes it adds, in 64 bits, and the free space.
#include "install/free_space.h"

#include "install/install_selection.h"
#include "scratch_folder.h"
#include "text/size_text.h"

using FreeSpace = ScratchFolder;

TEST_F(FreeSpace, RequiredBytesLeaveOutWhatIsAlreadyThere) {
  const FileEntry files[] = {{"game.exe", 0x1, 65536},        {"sound\\bgm.dat", 0x2, 1073741824},
                             {"cg\\a.dat", 0x4, 1073741824},  {"cg\\b.dat", 0x4, 1073741824},
                             {"readme.txt", kNoTypeBit, 200}, {"save01.sav", 0x1, 100}};
  g_Setup.fileCount = 6;
  for (int i = 0; i < 6; ++i) g_Setup.files[i] = files[i];
  ASSERT_TRUE(OsCreateFolder("inst") && OsCreateFolder("inst\\sound") &&
              OsCreateFolder("inst\\sound\\bgm.dat"));  // a folder where a file goes frees nothing
  WriteBytes("inst\\game.exe", std::string(1000, 'g'));
  WriteBytes("inst\\save01.sav", std::string(300, 's'));  // a save larger than the disc's
  WriteBytes("inst\\readme.txt", std::string(500, 'r'));
  const std::tuple<const char*, TypeMask, uint64_t> cases[] = {
      {"none", 0x7, 3221291108u},  // three types of 1 GiB: past 2 GiB, not clamped
      {"inst", 0x7, 3221290008u},  // less game.exe's 1,000 bytes there and the save's 100
      {"inst", kNoTypeBit, 0u},    // 500 bytes there for 200 to copy: never below 0
  };
  for (const auto& [folder, mask, required] : cases) {
    EXPECT_EQ(RequiredBytes(folder, mask), required) << folder << " " << mask;
  }
}

TEST_F(FreeSpace, FreeSpaceIsAskedOfTheNearestExistingFolderOnly) {
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
  // The shortage box's figure: past 2 GiB, not wrapped.
  char text[24];
  FormatByteSize(text, sizeof text, 2150155264);
  EXPECT_STREQ(text, "2050.54M");
}
