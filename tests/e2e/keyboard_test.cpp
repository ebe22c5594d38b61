// What a player does with the keyboard alone, and a main window that never seems frozen.
#include "launcher_test.h"

namespace e2e {

using Keys = LauncherTest;

// From the Install button to a custom install: the arrow keys reach カスタム from the checked
// kind, Tab the check boxes and the field, Space unticks 基本データ, Enter starts and answers
// the folder question.
TEST_F(Keys, CustomInstallWithKeysOnly) {
  const std::wstring folder = Target(L"keys\\HOSHIMI");
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
  EXPECT_EQ(FinishCopy(), Texts{});
  ExpectButtons(true);
  ExpectInstalledFiles(folder, 0x1B);
  ExpectRecord(3, 0x1B, folder);
}

// The flows' dialogs have no owner, so the main window can be brought over them (a click,
// Alt+Tab, the taskbar): the open dialog then comes back to the front, and a box it owns
// comes with it.
TEST_F(Keys, TheOpenDialogComesBackToTheFront) {
  StartToMain();
  HWND options = OpenOptions();
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000));
  SetForegroundWindow(main);
  Sync(main);  // the launcher has taken the activation
  WaitUntil([&] { return GetForegroundWindow() == options; }, 10000);
  EXPECT_EQ(GetForegroundWindow(), options);
  Press(options, IDCANCEL);
  SetForegroundWindow(main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 10000))
      << "with no dialog open the main window stays in front";
}

}  // namespace e2e
