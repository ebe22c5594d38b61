// The installed-state record as the player meets it: the folders 開始 refuses, a record that
// cannot be written, an install again that goes back to the recorded folder, and a record naming
// a place the uninstall must leave whole.
#include "../unit/win32/raw_registry.h"
#include "launcher_test.h"

namespace e2e {

using Record = LauncherTest;

// Refused at 開始 (Start), one of each kind: a root, the Windows folder once normalised, a device,
// too long for Windows or the field. "T:games\HOSHIMI" goes into T:\Work\games\HOSHIMI for the
// question, the log and (denied at first, with a box) the record. With a file gone, Install
// starts at the recorded folder and repairs; the uninstall leaves nothing.
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
  Install(folder, 0);  // recorded: the repair below starts at its GAMEPATH

  fs::remove(folder + L"\\data\\script.dat");
  Exit(kExitButton, IDOK);
  StartToMain();
  ExpectButtons(false);
  options = OpenOptions(false);
  EXPECT_EQ(ItemText(options, IDC_FOLDER_EDIT), folder) << "the recorded folder, not DEFDIR\\PATH";
  Press(options, IDOK);
  AnswerFolder(false, folder, IDOK);
  EXPECT_EQ(FinishCopy(nullptr, 2), Texts{});
  ExpectButtons(true);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  Uninstall(false);
  ExpectButtons(false);
  EXPECT_EQ(Listing(L"T:\\"), Texts{L"Work"}) << "T:\\Work was there before; nothing else made";
  EXPECT_FALSE(fs::exists(L"C:\\windows\\Games\\HOSHIMI"));
}

using UninstallWalk = LauncherTest;

// A record naming a drive's root (other refused places are the unit table's): its game files, a
// save and a log stay whole; a box of the main window says so, and the record is cleared.
TEST_F(UninstallWalk, ARefusedPlaceIsLeftWhole) {
  const std::wstring recorded = L"T:", real = Target(L"");
  fs::copy(L"Q:\\HOSHIMI", real, fs::copy_options::recursive);
  for (const auto& entry : fs::recursive_directory_iterator(real)) {  // writable, as installed
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
  }
  WriteBytes(real + L"\\other.sav", "another program's");
  WriteBytes(real + L"\\hoshimi._md", Utf8(recorded + L"\\sound\\\n"));
  for (const auto& [name, type, bytes] : RecordOf(2, kMaximumMask, recorded)) {
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_CURRENT_USER, kProductKey, name, type, bytes.data(), bytes.size()),
        ERROR_SUCCESS);
  }
  const std::vector<std::wstring> before = Listing(real);
  StartToMain();
  ExpectButtons(true);
  Uninstall(false);
  Press(Box(L"削除の失敗", IDOK,
            recorded +
                L"\nはアンインストールできない場所です。ゲームのファイルは手動で削除してください。",
            main),
        IDOK);
  ExpectButtons(false);
  EXPECT_LE(ValueCount(), 0) << "the record is cleared";
  EXPECT_EQ(Listing(real), before) << "nothing is deleted";
}

}  // namespace e2e
