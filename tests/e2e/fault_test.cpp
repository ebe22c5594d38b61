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
  Exit(kExitButton, IDOK);
}

// The extent fits at 開始; a filler written while the folder question is up leaves too
// little room, so the copy runs out part way.
TEST_F(LauncherTest, DiskFull) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no small drive S: mounted";
  const std::wstring folder = L"S:\\full\\HOSHIMI";
  StartToMain();
  StartInstall(OpenOptions(), folder);
  const std::string fill = LeaveFree(160 * 1024);
  AnswerFolder(true, folder, IDOK);
  Texts failures = FinishCopy();
  EXPECT_FALSE(failures.empty());
  for (const std::wstring& failure : failures) {
    bool known = false;
    for (const DiscFile& file : kFiles) known = known || failure == CopyFailure(folder, file.path);
    EXPECT_TRUE(known) << Utf8(failure);
  }
  EXPECT_TRUE(ReadBytes(L"S:\\filler.bin") == fill) << "the file already on the drive is untouched";
  ExpectButtons(false);
  Exit(kExitButton, IDOK);
}

// With 1.50M free, the maximum (1.88M) is refused at 開始 before anything is made and
// INSTALL stays open; the minimum (1.36M) fits and installs.
TEST_F(LauncherTest, FreeSpace) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no small drive S: mounted";
  const std::wstring folder = L"S:\\small\\HOSHIMI";
  LeaveFree(1536 * 1024);
  StartToMain();
  HWND options = OpenOptions();
  SetItemText(options, IDC_FOLDER_EDIT, folder);
  Click(options, IDOK);
  Press(Box(L"空き容量の不足", IDOK,
            L"インストール先のドライブの空き容量が足りません。\n必要な容量：1.88M\n空き容量：1.50M",
            options),
        IDOK);
  EXPECT_TRUE(IsWindowVisible(options));
  EXPECT_FALSE(fs::exists(L"S:\\small"));
  EXPECT_EQ(ValueCount(), 0);
  StartInstall(options, folder, IDC_KIND_MINIMUM);
  AnswerFolder(true, folder, IDOK);
  EXPECT_EQ(FinishCopy(), Texts{});
  ExpectInstalledFiles(folder, kMinimumMask);
  ExpectRecord(1, kMinimumMask, folder);
}

}  // namespace e2e
