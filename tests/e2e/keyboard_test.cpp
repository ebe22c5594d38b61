// What a player does with the keyboard alone.
#include "launcher_test.h"

namespace e2e {

using Keys = LauncherTest;

// From the Install button to a custom install: the arrow keys reach カスタム (Custom) from the
// checked kind, Tab the check boxes and the field, Space unticks 基本データ (basic data), Enter
// starts and answers the folder question. Enter in FILECOPY during a 32 MiB file neither ends nor
// records the pass.
TEST_F(Keys, CustomInstallWithKeysOnly) {
  const std::wstring folder = Target(L"keys\\HOSHIMI");
  ReplaceDiscFile(L"HOSHIMI\\sound\\bgm01.dat", std::string(32 << 20, 'b'));
  StartToMain();
  ExpectFocus(IDC_INSTALL_BUTTON);
  PressKey(VK_RETURN);
  HWND options = Wait(L"INSTALL", IDC_KIND_MINIMUM);
  ExpectFocus(IDC_KIND_MAXIMUM);
  PressKey(VK_DOWN);
  ExpectFocus(IDC_KIND_CUSTOM);
  EXPECT_EQ(Kinds(options), 4);
  PressKey(VK_TAB);
  ExpectFocus(IDC_TYPE2_CHECK);
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return Checked(options, IDC_TYPE2_CHECK) == 0; }, 10000));
  for (int id : {IDC_TYPE3_CHECK, IDC_TYPE4_CHECK, IDC_FOLDER_EDIT}) {
    PressKey(VK_TAB);
    ExpectFocus(id);
  }
  TypeText(folder);  // over the whole text, which Tab selected
  EXPECT_TRUE(WaitUntil([&] { return ItemText(options, IDC_FOLDER_EDIT) == folder; }, 10000));
  PressKey(VK_RETURN);
  WaitForDestroyed(options, kWait);
  Box(L"フォルダの作成", IDC_MESSAGE_TEXT, folder + L"のフォルダを作成してもいいですか？", nullptr);
  PressKey(VK_RETURN);
  HWND copy = CopyDialog(L"bgm01");
  ASSERT_TRUE(IsChild(copy, Focus(launcher)) || Focus(launcher) == copy) << "keys reach FILECOPY";
  PressKey(VK_RETURN);
  EXPECT_EQ(FinishCopy(copy), Texts{});
  ExpectButtons(true);
  ExpectInstalledFiles(folder, 0x1B);
  ExpectRecord(3, 0x1B, folder);
  ExpectLog(Target(L"keys"), folder, 0x1B, 10);
}

}  // namespace e2e
