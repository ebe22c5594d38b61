// What guards the player's machine at 開始 (Start) and at start-up: folders no install may go
// into, a setup.ini in another encoding, and an install retried where part of it already lies.
#include "launcher_test.h"

namespace e2e {

using Guard = LauncherTest;

// A drive root, the Windows folder (C:\windows here) once normalised, a name Windows reads
// otherwise, one too long: a box over INSTALL, which stays open; no question, nothing made.
TEST_F(Guard, DriveRootsAndTheWindowsFolderAreRefused) {
  StartToMain();
  HWND options = OpenOptions();
  const std::wstring tooLong = L"T:\\" + std::wstring(240, L'x');
  for (const std::wstring& folder :
       {std::wstring(L"T:\\"), std::wstring(L"t:"), std::wstring(L"T:\\HOSHIMI.V2"),
        std::wstring(L"C:\\WINDOWS\\Games\\HOSHIMI"), std::wstring(L"c:\\Windows"),
        std::wstring(L"C:\\Windows.\\Games"), std::wstring(L"C:\\ｿ\\..\\"), tooLong}) {
    ExpectRefused(options, folder, L"フォルダ名の失敗",
                  L"このフォルダにはインストールできません。\nほかのフォルダを指定してください。");
    EXPECT_TRUE(!FindWindowOf(launcher.Id(), L"フォルダの作成", 0) &&
                !FindWindowOf(launcher.Id(), L"インストールフォルダの決定", 0))
        << Utf8(folder);
  }
  StartInstall(options, Target(L"HOSHIMI"), IDCANCEL);  // the same dialog goes on, declined
  // None of the three exists.
  EXPECT_EQ(GetFileAttributesW(Target(L"hoshimi._md").c_str()) &
                GetFileAttributesW(Target(L"game.exe").c_str()) &
                GetFileAttributesW(L"C:\\windows\\Games\\HOSHIMI"),
            INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ValueCount(), 0);
}

// 星見の丘 saved as UTF-8 is not code page 932 (0x81 0xAE names no character, 0x98 lacks its
// second byte): the window comes all the same, class, caption and exit question marked.
TEST_F(Guard, TitleOfUndecodableBytesStillShowsTheWindow) {
  const std::wstring ini = Setting(L"E2E_DISC") + L"\\setup.ini", title = L"譏溯ｦ九\xFFFDｮ荳\xFFFD";
  std::string text = ReadBytes(ini);
  size_t at = text.find("#TITLE ") + 7;
  movedAway.push_back(ini);
  ASSERT_TRUE(MoveFileW(ini.c_str(), (ini + L".away").c_str()));
  WriteBytes(ini, text.replace(at, text.find_first_of("\r\n", at) - at, Utf8(L"星見の丘")));
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  main = Wait(title.c_str(), IDC_INSTALL_BUTTON);
  wchar_t className[64] = L"";
  GetClassNameW(main, className, 64);
  EXPECT_EQ(className, title);
  RequestClose(main);
  Press(Box(title.c_str(), IDC_MESSAGE_TEXT, title + L" のセットアップを終了してよろしいですか？",
            main),
        IDOK);
  EXPECT_EQ(WaitForExit(launcher, kWait), 0u);
}

// S: with 2.00M free holds one maximum install (1.88M). Cancelled after game.exe and
// bgm01.dat, the retry into the same folder needs only what is not there yet, and completes.
TEST_F(SmallDriveTest, InstallRetriedAfterACancelFitsWhatIsLeft) {
  const std::wstring folder = L"S:\\retry\\HOSHIMI";
  LeaveFree(2048 * 1024);
  StartToMain();
  StartInstall(OpenOptions(), folder, IDOK);
  HWND copy = CopyDialogAt(L"bgm02");
  RequestClose(copy);
  EXPECT_EQ(FinishCopy(copy), Texts{});
  StartInstall(OpenOptions(), folder, IDOK);
  EXPECT_EQ(FinishCopy(), Texts{});
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
}

}  // namespace e2e
