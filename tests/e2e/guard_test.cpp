// What guards the player's machine at 開始 and at start-up: folders no install may go into,
// a setup.ini in another encoding, and an install retried where part of it already lies.
#include "launcher_test.h"

namespace e2e {

class GuardTest : public LauncherTest {
 protected:
  // The disc's setup.ini with the line `from` (code page 932) replaced by the bytes `to`.
  void ReplaceSetupLine(const std::wstring& from, const std::string& to) {
    const std::wstring path = Setting(L"E2E_DISC") + L"\\setup.ini";
    std::string text = ReadBytes(path), line(from.size() * 2, '\0');
    line.resize(WideCharToMultiByte(932, 0, from.data(), from.size(), line.data(), line.size(),
                                    nullptr, nullptr));
    size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << Utf8(from);
    movedAway.push_back(path);
    ASSERT_TRUE(MoveFileW(path.c_str(), (path + L".away").c_str()));
    WriteBytes(path, text.replace(at, line.size(), to));
  }
};

// Each typed folder is a drive root or lies in the Windows folder once normalised: refused at
// 開始 by a box over INSTALL, which stays open; no question follows and nothing is made.
TEST_F(GuardTest, DriveRootsAndTheWindowsFolderAreRefused) {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  ASSERT_STREQ(windows, L"C:\\windows");
  StartToMain();
  HWND options = OpenOptions();
  for (const wchar_t* folder : {L"T:\\", L"t:", L"T:\\\\", L"T:\\HOSHIMI.V2",
                                L"C:\\WINDOWS\\Games\\HOSHIMI", L"c:\\Windows"}) {
    SetItemText(options, IDC_FOLDER_EDIT, folder);
    Click(options, IDOK);
    Press(Box(L"フォルダ名の失敗", IDOK,
              L"このフォルダにはインストールできません。\nほかのフォルダを指定してください。",
              options),
          IDOK);
    EXPECT_TRUE(IsWindowVisible(options)) << Utf8(folder);
    EXPECT_EQ(FindWindowOf(launcher.Id(), L"インストールフォルダの決定", 0), nullptr);
    EXPECT_EQ(FindWindowOf(launcher.Id(), L"フォルダの作成", 0), nullptr);
  }
  Press(options, IDCANCEL);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Target(L"*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    std::wstring name = found.cFileName;
    EXPECT_TRUE(name == L"." || name == L"..") << "made in T: " << Utf8(name);
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  EXPECT_FALSE(fs::exists(L"C:\\windows\\Games\\HOSHIMI"));
  EXPECT_EQ(ValueCount(), 0);
}

// 星見の丘 saved as UTF-8 is not code page 932 (0x81 0xAE names no character, 0x98 lacks its
// second byte): the window comes all the same, class, caption and exit question marked.
TEST_F(GuardTest, TitleOfUndecodableBytesStillShowsTheWindow) {
  ReplaceSetupLine(L"#TITLE 星見の丘", "#TITLE " + Utf8(L"星見の丘"));
  const std::wstring title = L"譏溯ｦ九\xFFFDｮ荳\xFFFD";
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  main = Wait(title.c_str(), IDC_INSTALL_BUTTON);
  Sync(main);
  wchar_t className[256] = L"";
  GetClassNameW(main, className, 256);
  EXPECT_EQ(className, title);
  ExpectButtons(false);
  RequestClose(main);
  HWND box = Box(title.c_str(), IDC_MESSAGE_TEXT,
                 title + L" のセットアップを終了してよろしいですか？", main);
  Press(box, IDOK);
  EXPECT_EQ(WaitForExit(launcher, kWait), 0u);
}

// S: with 2.00M free holds one maximum install (1.88M). Cancelled after game.exe and
// bgm01.dat, the retry into the same folder needs only what is not there yet, and completes.
TEST_F(GuardTest, InstallRetriedAfterACancelFitsWhatIsLeft) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no small drive S: mounted";
  const std::wstring folder = L"S:\\retry\\HOSHIMI";
  LeaveFree(2048 * 1024);
  StartToMain();
  StartInstall(OpenOptions(), folder);
  AnswerFolder(true, folder, IDOK);
  HWND copy = CopyDialogAt(L"bgm02");
  RequestClose(copy);
  EXPECT_EQ(FinishCopy(copy, true), Texts{});
  ASSERT_TRUE(fs::is_regular_file(folder + L"\\sound\\bgm01.dat"));
  EXPECT_EQ(ValueCount(), 0);
  StartInstall(OpenOptions(), folder);
  AnswerFolder(false, folder, IDOK);
  EXPECT_EQ(FinishCopy(), Texts{});
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  ExpectButtons(true);
}

}  // namespace e2e
