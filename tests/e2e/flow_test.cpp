// The launcher's flows as a player walks them, a setup.ini its developer got wrong, and the
// machine's faults that reach the copy pass.
#include "launcher_test.h"

namespace e2e {

using Flow = LauncherTest;

// Run on its own, with drive Q: lacking the disc's label.
TEST_F(Flow, NoDisc) {
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  Press(Box(L"SETUP.EXE　エラー", IDOK, L"BrellvanのCDが見つかりません", nullptr), IDOK);
  EXPECT_EQ(WaitForExit(launcher, kWait), 0u);
  EXPECT_EQ(ValueCount(), -1) << "without the disc no registry key is made";
}

using Guard = LauncherTest;

// A file group under an undeclared type: two unowned TEST boxes. A title in UTF-8, not code page
// 932: the window comes all the same, class, caption and exit question marked.
TEST_F(Guard, UndeclaredTypeAndUndecodableTitleStillShowTheWindow) {
  const std::wstring title = L"譏溯ｦ九\xFFFDｮ荳\xFFFD";
  EditDiscSetup({{"[]\r\n##", "[NOPE]\r\nextra.dat\r\n[]\r\n##"},
                 {"#TITLE " + Cp932(kTitle), "#TITLE " + Utf8(kTitle)}});
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  Press(Box(L"TEST", IDOK, L"not list type", nullptr), IDOK);
  Press(Box(L"TEST", IDOK, L"[NOPE]", nullptr), IDOK);
  main = Wait(title.c_str(), IDC_INSTALL_BUTTON);
  Sync(main);  // its buttons are made before it takes messages
  wchar_t className[64] = L"";
  GetClassNameW(main, className, 64);
  EXPECT_EQ(className, title);
  ExpectButtons(false);
  Exit(kCloseBox, IDOK, title);
}

// Centred on the 800 x 600 screen; a second launcher ends unseen, bringing the first to the front;
// while INSTALL is open it keeps the front and Install and the close box do nothing. Keys alone
// install: Down reaches カスタム (Custom), Tab the check boxes and the field, Space unticks
// 基本データ (basic data), Enter starts and answers; Enter in FILECOPY during a 32 MiB file does
// nothing. Then the exit question by button and close box.
TEST_F(Flow, FirstStart) {
  const std::wstring folder = Target(L"keys\\HOSHIMI");
  ReplaceDiscFile(L"HOSHIMI\\sound\\bgm01.dat", std::string(32 << 20, 'b'));
  StartToMain();
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(168L, 180L));
  EXPECT_EQ(ValueCount(), 0) << "the first start makes the product key, empty";
  ExpectButtons(false);
  auto startSecond = [&] {
    Process second;
    Start(second, L"Q:\\setup.exe", L"C:\\");
    bool shown = false;  // any window of its own, until it ends
    auto ended = [&] {
      shown = shown || FindWindowOf(second.Id(), nullptr, 0);
      return WaitForSingleObject(second.process.hProcess, 0) == WAIT_OBJECT_0;
    };
    WaitUntil(ended, 20000);
    EXPECT_EQ(WaitForExit(second, 0), 0u);
    EXPECT_FALSE(shown);
  };
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main); }, 10000));
  startSecond();
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 10000));
  ExpectFocus(IDC_INSTALL_BUTTON);
  PressKey(VK_RETURN);
  HWND options = Wait(L"INSTALL", IDC_KIND_MINIMUM);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000));
  SetForegroundWindow(main);
  Sync(main);  // the launcher has taken the activation
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000))
      << "the main window over the open dialog";
  // Another program in front: the main window itself hands the front back to INSTALL.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }, 10000));
  startSecond();
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000));
  DestroyWindow(other);
  DWORD_PTR result = 0;
  EXPECT_TRUE(SendMessageTimeoutW(Item(main, IDC_INSTALL_BUTTON), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                                  &result));
  EXPECT_TRUE(SendMessageTimeoutW(main, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &result));
  EXPECT_EQ(FindWindowOf(launcher.Id(), kTitle, IDC_MESSAGE_TEXT), nullptr) << "exit question";
  EXPECT_EQ(FindWindowOf(launcher.Id(), L"INSTALL", IDC_KIND_MINIMUM), options);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000));
  ExpectFocus(IDC_KIND_MAXIMUM);
  for (auto [key, id] : {std::pair{VK_DOWN, IDC_KIND_CUSTOM},
                         {VK_TAB, IDC_TYPE2_CHECK},
                         {VK_SPACE, IDC_TYPE2_CHECK},
                         {VK_TAB, IDC_TYPE3_CHECK},
                         {VK_TAB, IDC_TYPE4_CHECK},
                         {VK_TAB, IDC_FOLDER_EDIT}}) {
    PressKey(key);
    ExpectFocus(id);
  }
  EXPECT_EQ(Kinds(options) * 2 + Checked(options, IDC_TYPE2_CHECK), 8) << "custom, 基本データ off";
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
  ExpectFocus(IDC_RUN_GAME_BUTTON);  // back on the first enabled button
  SetForegroundWindow(main);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 10000))
      << "with no dialog open the main window stays in front";
  Exit(kExitButton, IDCANCEL);
  Exit(kCloseBox, IDCLOSE);
  Exit(kCloseBox, IDOK);
}

// Japanese names (ソ ends in 0x5C; ﾄ is one byte), a disc listing sub-folders before parents. Run
// game (a box while game.exe is gone) starts it and ends the launcher. Uninstall keeping saves,
// install again, uninstall: nothing is left; then a file in use, which the uninstall says it left.
TEST_F(Flow, InstallRunGameAndUninstall) {
  const std::wstring parent = Target(L"ソフトｿﾌﾄ"), folder = parent + L"\\星見の丘";
  EditDiscSetup(
      {{"sound\\bgm01.dat\r\nsound\\bgm02.dat\r\nsound\\se\\click.dat",
        "sound\\se\\click.dat\r\nsound\\bgm01.dat\r\nsound\\bgm02.dat"},
       {"data\\script.dat\r\ndata\\map\\field.dat", "data\\map\\field.dat\r\ndata\\script.dat"}});
  StartToMain();
  Install(folder, 0);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  ExpectLog(parent, folder, kMaximumMask, 10);  // every level, parents first
  const std::wstring game = folder + L"\\game.exe";
  fs::rename(game, game + L".away");
  Click(main, IDC_RUN_GAME_BUTTON);
  Press(Box(L"ゲーム実行の失敗", IDOK, game + L"\nを起動できませんでした。", main), IDOK);
  EXPECT_TRUE(IsWindowVisible(main));
  ExpectButtons(true);
  fs::rename(game + L".away", game);
  ExpectFocus(IDC_RUN_GAME_BUTTON);
  Exit(kEscape, IDCANCEL);
  ExpectFocus(IDC_RUN_GAME_BUTTON);
  PressKey(VK_TAB);  // the order is the button-order rule; here Tab and Shift reach it
  ExpectFocus(IDC_UNINSTALL_BUTTON);
  PressKey(VK_TAB, true);
  ExpectFocus(IDC_RUN_GAME_BUTTON);
  PressKey(VK_RETURN);
  EXPECT_EQ(WaitForExit(launcher, kWait), 0u);
  const std::wstring report = folder + L"\\game-run.txt";
  const std::string expected = Utf8(L"cmdline=" + folder + L"\\game.exe Q:\\ 1\ncwd=Q:\\\n");
  WaitUntil([&] { return ReadBytes(report) == expected; }, kWait);
  EXPECT_EQ(ReadBytes(report), expected);
  fs::remove(report);

  StartToMain();
  ExpectButtons(true);
  WriteBytes(folder + L"\\save01.sav", "save one");
  Uninstall(true, IDCLOSE);
  EXPECT_TRUE(fs::is_regular_file(folder + L"\\game.exe"))
      << "closing the question changes nothing";
  EXPECT_EQ(ValueCount(), 4);
  Uninstall(true);
  ExpectButtons(false);
  EXPECT_FALSE(FindWindowOf(launcher.Id(), L"削除の失敗", IDOK));
  EXPECT_EQ(ReadBytes(folder + L"\\save01.sav"), "save one");
  EXPECT_FALSE(fs::exists(folder + L"\\game.exe"));
  Install(folder, IDC_KIND_MINIMUM);
  Uninstall(false);
  ExpectButtons(false);
  EXPECT_FALSE(fs::is_directory(parent)) << "every file, the save and the log, every logged folder";
  EXPECT_LE(ValueCount(), 0) << "no value left (the next evaluation makes the key again)";
  Install(folder, IDC_KIND_MINIMUM);
  std::ifstream held(fs::path(folder + L"\\sound\\bgm01.dat"));  // shared for all but deleting
  ASSERT_TRUE(held);
  Uninstall(false);
  Press(Box(L"削除の失敗", IDOK,
            folder + L"\nの中に削除できなかったものがあります。\n"
                     L"使っているプログラムを終了してから、手動で削除してください。",
            main),
        IDOK);
}

// A folder that is a file, a file in the path, an empty name, a declined new or existing folder
// and 戻る (Back) end the install, nothing written; a cancelled copy.
TEST_F(Flow, FolderFailuresAndCancel) {
  const std::wstring file = Target(L"afile"), declined = Target(L"declined");
  WriteBytes(file, "not a folder");
  fs::create_directories(Target(L"exist"));
  StartToMain();
  auto noQuestion = [&] { return !FindWindowOf(launcher.Id(), L"フォルダの作成", 0); };
  StartInstall(OpenOptions(), file);
  Press(Box(L"フォルダ名の失敗", IDOK,
            L"フォルダ名と同じファイルが存在します。このフォルダ名は使えません。", main),
        IDOK);
  EXPECT_TRUE(noQuestion());
  const std::pair<std::wstring, const wchar_t*> failures[] = {
      {file + L"\\sub\\HOSHIMI", L"フォルダ名と同じファイルが存在します。"},
      {L"", L"フォルダが作成できませんでした。"}};
  for (const auto& [folder, text] : failures) {
    StartInstall(OpenOptions(), folder, IDOK);
    Press(Box(L"フォルダの作成の失敗", IDOK, text, main), IDOK);
  }
  EXPECT_EQ(ReadBytes(file), "not a folder");
  StartInstall(OpenOptions(), declined + L"\\HOSHIMI", IDCANCEL);
  EXPECT_FALSE(fs::is_directory(declined));
  StartInstall(OpenOptions(), Target(L"exist"), IDCANCEL);
  EXPECT_TRUE(fs::is_empty(Target(L"exist")));
  HWND options = OpenOptions();
  for (int id : {IDC_KIND_CUSTOM, IDC_KIND_MINIMUM, IDC_KIND_MAXIMUM, IDC_KIND_CUSTOM}) {
    Toggle(options, id, 1);
    EXPECT_EQ(Kinds(options), 1 << (id - IDC_KIND_MINIMUM)) << "only the kind clicked";
  }
  Press(options, IDCANCEL);
  EXPECT_TRUE(noQuestion()) << "戻る ends the install";
  // FILECOPY's close box after game.exe: what is copied stays, logged, and no record.
  const std::wstring folder = Target(L"cancel\\HOSHIMI");
  StartInstall(OpenOptions(), folder, IDOK);
  HWND copy = CopyDialog(L"bgm01");
  RequestClose(copy);
  EXPECT_EQ(FinishCopy(copy), Texts{});
  int copied = 0;
  while (copied < 10 && fs::is_regular_file(folder + L"\\" + kFiles[copied].path)) ++copied;
  EXPECT_TRUE(copied >= 1 && copied < 10) << copied << " of 10 copied";
  // A close during a file's copy stops that file, but its sub-folder is made and logged.
  const wchar_t* next = kFiles[copied].newFolder;
  bool begun = next != nullptr && fs::is_directory(folder + L"\\" + next);
  ExpectLog(Target(L"cancel"), folder, kMaximumMask, copied + begun);
  EXPECT_EQ(ValueCount(), 0);
  ExpectButtons(false);
}

using SmallDriveTest = LauncherTest;  // on S:, a 4 MiB drive run-e2e.sh mounts where it may

// 1.50M free refuses the maximum (1.88M); a filler written during the folder question makes the
// copy run out: one box, no record. 2.00M free fits an install cancelled once and tried again.
TEST_F(SmallDriveTest, FreeSpaceAndDiskFull) {
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no small drive S: mounted";
  const std::wstring small = L"S:\\small\\HOSHIMI", full = L"S:\\full\\HOSHIMI";
  LeaveFree(1536 * 1024);
  StartToMain();
  HWND options = OpenOptions();
  ExpectRefused(
      options, small, L"空き容量の不足",
      L"インストール先のドライブの空き容量が足りません。\n必要な容量：1.88M\n空き容量：1.50M");
  EXPECT_FALSE(fs::exists(L"S:\\small"));
  EXPECT_EQ(ValueCount(), 0);
  Press(options, IDCANCEL);
  ClearFolder(L"S:\\");

  StartInstall(OpenOptions(), full);
  const std::string fill = LeaveFree(160 * 1024);
  AnswerFolder(true, full, IDOK);
  Texts failures = FinishCopy();
  ASSERT_EQ(failures.size(), 1u);
  bool known = false;
  for (const DiscFile& file : kFiles) known = known || failures[0] == CopyFailure(full, file.path);
  EXPECT_TRUE(known) << Utf8(failures[0]);
  EXPECT_TRUE(ReadBytes(L"S:\\filler.bin") == fill) << "the file already on the drive is untouched";
  EXPECT_EQ(ValueCount(), 0);
  ExpectButtons(false);
  ClearFolder(L"S:\\");

  LeaveFree(2048 * 1024);
  StartInstall(OpenOptions(), small, IDOK);
  HWND copy = CopyDialog(L"bgm02");
  RequestClose(copy);
  EXPECT_EQ(FinishCopy(copy), Texts{});
  StartInstall(OpenOptions(), small, IDOK);  // refused, the options would stay open
  EXPECT_EQ(FinishCopy(), Texts{});
}

}  // namespace e2e
