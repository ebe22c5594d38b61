// Faults of the player's machine that reach the copy pass: the launcher must say so, go on
// and delete nothing it did not make.
#include "launcher_test.h"

namespace e2e {

// The first file is missing from the start: its failure box holds the pass inside that
// step, so a later file vanishes between two steps whatever the machine's speed.
TEST_F(LauncherTest, DiscFileVanishesMidCopy) {
  const std::wstring folder = Target(L"vanish\\HOSHIMI");
  DiscFileAway first(L"game.exe");
  DiscFileAway vanished(L"cg24\\表紙.dat");
  first.Remove();
  StartToMain();
  StartInstall(OpenOptions(false), folder, 0);
  AnswerFolderQuestion(true, folder, Answer::Yes);
  HWND copy = WaitForCopy();
  Wait(L"ファイルコピー失敗", IDOK);
  vanished.Remove();
  const std::vector<std::wstring> expected = {CopyFailureText(folder, L"game.exe"),
                                              CopyFailureText(folder, L"cg24\\表紙.dat")};
  EXPECT_EQ(FinishCopy(copy), expected);
  ExpectLog(Target(L"vanish"), folder, kMaximumMask, 10);
  ExpectRecord(2, kMaximumMask, folder);
  ExpectButtons(false);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(FileExists(Join(folder, kFiles[i].path)), i != 0 && i != 9) << Utf8(kFiles[i].path);
  }
  Exit(false, Answer::Yes);
}

// The copy refuses to replace a read-only file and clears its bit, so that an uninstall
// can remove it.
TEST_F(LauncherTest, ReadOnlyTargetRefused) {
  const std::wstring folder = Target(L"readonly");
  const std::wstring game = Join(folder, L"game.exe");
  const std::wstring notes = Join(folder, L"notes.txt");
  MakeFolders(folder);
  WriteBytes(game, "an older game");
  WriteBytes(notes, "the user's notes");
  SetFileAttributesW(game.c_str(), FILE_ATTRIBUTE_READONLY);
  StartToMain();
  StartInstall(OpenOptions(), folder, 0);
  AnswerFolderQuestion(false, folder, Answer::Yes);
  EXPECT_EQ(FinishCopy(), std::vector<std::wstring>{CopyFailureText(folder, L"game.exe")});
  EXPECT_EQ(ReadBytes(game), "an older game");
  EXPECT_FALSE(GetFileAttributesW(game.c_str()) & FILE_ATTRIBUTE_READONLY);
  ExpectButtons(true);

  HWND question = OpenUninstall();
  Click(question, IDOK);
  WaitForDestroyed(question, kWindowWait);
  Sync(main);
  ExpectButtons(false);
  EXPECT_EQ(ReadBytes(notes), "the user's notes");
  EXPECT_FALSE(FileExists(game));
  Exit(false, Answer::Yes);
}

// Drive S: is a 1 MiB file system that run-e2e.sh mounts where the machine allows it; a
// filler leaves too little room for the install.
TEST_F(LauncherTest, DiskFull) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) {
    GTEST_SKIP() << "no small drive S: could be mounted";
  }
  const std::wstring filler = L"S:\\filler.bin";
  const std::wstring folder = L"S:\\full\\HOSHIMI";
  DeleteFileW(filler.c_str());
  ULARGE_INTEGER free{};
  GetDiskFreeSpaceExW(L"S:\\", &free, nullptr, nullptr);
  const ULONGLONG room = 160 * 1024;
  ASSERT_GT(free.QuadPart, room);
  const std::string fill(static_cast<size_t>(free.QuadPart - room), 'f');
  WriteBytes(filler, fill);
  StartToMain();
  StartInstall(OpenOptions(), folder, 0);
  AnswerFolderQuestion(true, folder, Answer::Yes);
  std::vector<std::wstring> failures = FinishCopy();
  EXPECT_FALSE(failures.empty());
  for (const std::wstring& failure : failures) {
    bool known = false;
    for (const DiscFile& file : kFiles) {
      known = known || failure == CopyFailureText(folder, file.path);
    }
    EXPECT_TRUE(known) << Utf8(failure);
  }
  EXPECT_TRUE(Enabled(main, IDC_EXIT_BUTTON));
  EXPECT_EQ(ReadBytes(filler), fill) << "the file already on the drive is untouched";
  Exit(false, Answer::Yes);
  DeleteFileW(filler.c_str());
}

}  // namespace e2e
