// What the uninstall leaves: places that are not the game's alone.
#include "launcher_test.h"

namespace e2e {

using UninstallWalk = LauncherTest;

// A record naming a drive's root (the Windows folder and the other refused places are the
// unit table's): the game's files, a save and a log are there, yet the uninstall deletes
// nothing, says so in a box of the main window and clears the record.
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
