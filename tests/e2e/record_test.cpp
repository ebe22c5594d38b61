// The installed-state record as the player meets it: the folders 開始 refuses, a record that
// cannot be written, and an install again that goes back to the recorded folder.
#include "../unit/win32/raw_registry.h"
#include "launcher_test.h"

namespace e2e {

using Record = LauncherTest;

// Refused at 開始 (Start), one of each kind (the unit table has every form): a drive root, the
// Windows folder (C:\windows here) once normalised, a device name, folders too long for Windows
// or for the field in UTF-16 units or bytes.
// "T:games\HOSHIMI", with T:'s current folder T:\Work, goes into T:\Work\games\HOSHIMI for the
// question, the log and (denied at first, with a box) the record. With a file gone, Install
// starts at the recorded folder and repairs the install; the uninstall leaves nothing.
TEST_F(Record, RefusalsDriveRelativeFolderAndRepair) {
  const std::wstring parent = L"T:\\Work\\games", folder = parent + L"\\HOSHIMI";
  fs::create_directories(L"T:\\Work");
  ASSERT_TRUE(SetEnvironmentVariableW(L"=T:", L"T:\\Work"));
  StartToMain();
  HWND options = OpenOptions(false);
  const std::wstring refused[] = {
      L"T:\\",
      L"T:\\HOSHIMI.V2",
      L"C:\\WINDOWS\\Games\\HOSHIMI",
      L"C:\\ｿ\\..\\",
      L"T:\\" + std::wstring(240, L'x'),
      L"T:\\con.log\\HOSHIMI",
      L"T:\\cut" + std::wstring(1100, L'\\') + L"HOSHIMI",
      L"T:\\" + std::wstring(200, L'表') + std::wstring(800, L'\\') + L"X"};
  for (const std::wstring& typed : refused) {
    ExpectRefused(options, typed, L"フォルダ名の失敗",
                  L"このフォルダにはインストールできません。\nほかのフォルダを指定してください。");
  }
  ASSERT_TRUE(DenyChanges(kProductKey));
  StartInstall(options, L"T:games\\HOSHIMI");
  AnswerFolder(true, folder, IDOK);
  EXPECT_EQ(FinishCopy(), Texts{});
  SetEnvironmentVariableW(L"=T:", nullptr);
  Press(Box(L"インストールの失敗", IDOK,
            std::wstring(L"インストールの記録を書き込めませんでした。\n") + kProductKey, main),
        IDOK);
  ExpectButtons(false);
  EXPECT_EQ(ValueCount(), 0);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectLog(parent, folder, kMaximumMask, 10);
  ASSERT_TRUE(AllowChanges(kProductKey));
  Install(folder, 0);
  ExpectRecord(2, kMaximumMask, folder);

  fs::remove(folder + L"\\data\\script.dat");
  Exit(kExitButton, IDOK);
  StartToMain();
  ExpectButtons(false);
  options = OpenOptions(false);
  EXPECT_EQ(ItemText(options, IDC_FOLDER_EDIT), folder) << "the recorded folder, not DEFDIR\\PATH";
  Press(options, IDOK);
  AnswerFolder(false, folder, IDOK);
  WaitForDestroyed(CopyDialog(), 240000);  // the record stays written while it runs
  Sync(main);
  ExpectButtons(true);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  Uninstall(false);
  ExpectButtons(false);
  EXPECT_EQ(Listing(L"T:\\"), Texts{L"Work"}) << "T:\\Work was there before; nothing else made";
  EXPECT_FALSE(fs::exists(L"C:\\windows\\Games\\HOSHIMI"));
}

}  // namespace e2e
