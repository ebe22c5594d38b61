// Faults of the player's machine that reach the copy pass: the launcher says so, goes on
// and deletes nothing it did not make.
#include "launcher_test.h"

namespace e2e {

// game.exe is missing from the start: its failure box holds the pass inside that step, so
// a later file vanishes between two steps whatever the machine's speed.
TEST_F(LauncherTest, DiscFileVanishesMidCopy) {
  const std::wstring folder = Target(L"vanish\\HOSHIMI");
  MoveDiscFileAway(L"game.exe");
  StartToMain();
  StartInstall(OpenOptions(false), folder);
  AnswerFolder(true, folder, IDOK);
  HWND copy = CopyDialog();
  Wait(L"ファイルコピー失敗", IDOK);
  MoveDiscFileAway(L"cg24\\表紙.dat");
  EXPECT_EQ(FinishCopy(copy),
            (Texts{CopyFailure(folder, L"game.exe"), CopyFailure(folder, L"cg24\\表紙.dat")}));
  ExpectLog(Target(L"vanish"), folder, kMaximumMask, 10);
  ExpectRecord(2, kMaximumMask, folder);
  ExpectButtons(false);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(fs::is_regular_file(folder + L"\\" + kFiles[i].path), i != 0 && i != 9) << i;
  }
  Exit(false, IDOK);
}

// S: is a 1 MiB file system that run-e2e.sh mounts where the machine allows it; a filler
// leaves too little room for the install.
TEST_F(LauncherTest, DiskFull) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no small drive S: mounted";
  const std::wstring filler = L"S:\\filler.bin", folder = L"S:\\full\\HOSHIMI";
  ClearFolder(L"S:\\");
  ULARGE_INTEGER free{};
  GetDiskFreeSpaceExW(L"S:\\", &free, nullptr, nullptr);
  ASSERT_GT(free.QuadPart, 160 * 1024u);
  const std::string fill(free.QuadPart - 160 * 1024, 'f');
  WriteBytes(filler, fill);
  StartToMain();
  StartInstall(OpenOptions(), folder);
  AnswerFolder(true, folder, IDOK);
  Texts failures = FinishCopy();
  EXPECT_FALSE(failures.empty());
  for (const std::wstring& failure : failures) {
    bool known = false;
    for (const DiscFile& file : kFiles) known = known || failure == CopyFailure(folder, file.path);
    EXPECT_TRUE(known) << Utf8(failure);
  }
  EXPECT_TRUE(ReadBytes(filler) == fill) << "the file already on the drive is untouched";
  ExpectButtons(false);
  Exit(false, IDOK);
}

}  // namespace e2e
