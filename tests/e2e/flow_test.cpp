// The launcher's flows as a player walks them: each test starts the real setup.exe from the
// sample disc and checks windows, files, registry, log bytes and exit codes.
#include "launcher_test.h"

namespace e2e {

// Run on its own, with drive Q: lacking the disc's label.
TEST_F(LauncherTest, NoDisc) {
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  AnswerMessageBox(L"SETUP.EXE　エラー", L"BrellvanのCDが見つかりません");
  EXPECT_EQ(WaitForExit(launcher, kWindowWait), 0u);
  EXPECT_EQ(ValueCount(), -1) << "without the disc no registry key is created";
}

TEST_F(LauncherTest, FirstStart) {
  StartToMain();
  EXPECT_EQ(ValueCount(), 0) << "the first start creates the product key, empty";
  wchar_t className[128] = {};
  GetClassNameW(main, className, 128);
  EXPECT_EQ(std::wstring(className), kTitle);
  RECT client{};
  RECT frame{};
  GetClientRect(main, &client);
  GetWindowRect(main, &frame);
  EXPECT_EQ(Format(L"%ldx%ld at %ld,%ld", client.right, client.bottom, frame.left, frame.top),
            L"464x240 at 168,180");
  EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) &
                (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_SYSMENU);
  const std::pair<int, const wchar_t*> buttons[] = {
      {IDC_RUN_GAME_BUTTON, L"ゲーム実行 320,0 144x60"},
      {IDC_INSTALL_BUTTON, L"インストール 320,60 144x60"},
      {IDC_UNINSTALL_BUTTON, L"アンインストール 320,120 144x60"},
      {IDC_EXIT_BUTTON, L"終了 320,180 144x60"}};
  for (const auto& [id, expected] : buttons) {
    RECT place{};
    GetWindowRect(Item(main, id), &place);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(
        WindowText(Item(main, id)) + Format(L" %ld,%ld %ldx%ld", place.left, place.top,
                                            place.right - place.left, place.bottom - place.top),
        expected);
  }
  ExpectButtons(false);
  // A size change from outside is undone.
  SetWindowPos(main, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil(
      [&] { return GetClientRect(main, &client) && client.right == 464 && client.bottom == 240; },
      10000));
  Exit(false, Answer::No);
  Exit(true, Answer::CloseBox);
  Exit(true, Answer::Yes);
}

// A new folder with Japanese names (ソ has 0x5C as its second byte), a restart that finds
// the install from the record, and an uninstall that keeps nothing.
TEST_F(LauncherTest, InstallAndUninstall) {
  const std::wstring parent = Target(L"ソフト");
  const std::wstring folder = parent + L"\\星見の丘";
  StartToMain();
  InstallThrough(folder, 0, true);
  ExpectButtons(true);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  ExpectLog(parent, folder, kMaximumMask, 10);
  Exit(false, Answer::Yes);

  StartToMain();
  ExpectButtons(true);
  WriteBytes(Join(folder, L"save01.sav"), "save one");
  WriteBytes(Join(folder, L"save02.sav"), "save two");
  HWND question = OpenUninstall();
  RequestClose(question);
  WaitForDestroyed(question, kWindowWait);
  Sync(main);
  EXPECT_TRUE(FileExists(Join(folder, L"game.exe"))) << "closing the question changes nothing";
  EXPECT_EQ(ValueCount(), 4);
  ExpectButtons(true);

  question = OpenUninstall();
  Click(question, IDC_KEEP_SAVES);
  EXPECT_TRUE(WaitUntil([&] { return Checked(question, IDC_KEEP_SAVES) == 0; }, 10000));
  Click(question, IDOK);
  WaitForDestroyed(question, kWindowWait);
  Sync(main);
  ExpectButtons(false);
  for (const DiscFile& file : kFiles) {
    EXPECT_FALSE(FileExists(Join(folder, file.path))) << Utf8(file.path);
  }
  EXPECT_FALSE(FileExists(Join(folder, L"save01.sav")) || FileExists(Join(folder, L"save02.sav")));
  EXPECT_FALSE(FolderExists(parent)) << "every logged folder goes, the log with them";
  // The re-evaluation after the uninstall creates the product key again, empty.
  EXPECT_LE(ValueCount(), 0);
  Exit(false, Answer::Yes);
}

TEST_F(LauncherTest, ExistingFolderAsked) {
  const std::wstring folder = Target(L"exist");
  for (const wchar_t* sub : {L"sound\\se", L"data\\map", L"cg16", L"cg24"}) {
    MakeFolders(Join(folder, sub));
  }
  WriteBytes(Join(folder, L"hoshimi._md"), "T:\\old\n");
  StartToMain();
  StartInstall(OpenOptions(), folder, 0);
  AnswerFolderQuestion(false, folder, Answer::No);
  Sync(main);
  EXPECT_EQ(FindWindowOf(launcher.Id(), L"インストール中です・・・", 0), nullptr);
  EXPECT_FALSE(FileExists(Join(folder, L"game.exe"))) << "declining copies nothing";

  InstallThrough(folder, 0, false);
  ExpectButtons(true);
  ExpectInstalledFiles(folder, kMaximumMask);
  ExpectRecord(2, kMaximumMask, folder);
  EXPECT_EQ(ReadBytes(Join(folder, L"hoshimi._md")), "T:\\old\n") << "no folder made, no log";
  Exit(false, Answer::Yes);
}

TEST_F(LauncherTest, CustomMask) {
  const std::wstring folder = Target(L"custom\\HOSHIMI");
  StartToMain();
  HWND options = OpenOptions();
  // A click on a kind checks exactly that one (1 minimum, 2 maximum, 4 custom).
  const std::pair<int, int> steps[] = {
      {IDC_KIND_CUSTOM, 4}, {IDC_KIND_MINIMUM, 1}, {IDC_KIND_MAXIMUM, 2}, {IDC_KIND_CUSTOM, 4}};
  for (const auto& [id, kinds] : steps) {
    Click(options, id);
    EXPECT_TRUE(WaitUntil([&] { return Checked(options, id) == 1; }, 10000));
    EXPECT_EQ(Checked(options, IDC_KIND_MINIMUM) + Checked(options, IDC_KIND_MAXIMUM) * 2 +
                  Checked(options, IDC_KIND_CUSTOM) * 4,
              kinds);
  }
  // Without 基本データ and 画像データ（24or32bit）: 0x1F less 0x04 and 0x10.
  for (int id : {IDC_TYPE2_CHECK, IDC_TYPE4_CHECK}) {
    Click(options, id);
    EXPECT_TRUE(WaitUntil([&] { return Checked(options, id) == 0; }, 10000));
  }
  StartInstall(options, folder, 0);
  AnswerFolderQuestion(true, folder, Answer::Yes);
  EXPECT_TRUE(FinishCopy().empty());
  ExpectButtons(true);
  ExpectInstalledFiles(folder, 0x0B);
  ExpectRecord(3, 0x0B, folder);
  ExpectLog(Target(L"custom"), folder, 0x0B, 10);
  Exit(false, Answer::Yes);
}

// A folder that is a file, a file in the path, an empty name, a declined folder and 戻る:
// each ends the install with nothing written.
TEST_F(LauncherTest, FolderQuestionsAndFailures) {
  const std::wstring file = Target(L"afile");
  WriteBytes(file, "not a folder");
  StartToMain();
  auto noQuestion = [&] {
    Sync(main);
    return FindWindowOf(launcher.Id(), L"フォルダの作成", 0) == nullptr;
  };
  StartInstall(OpenOptions(), file, 0);
  AnswerMessageBox(L"フォルダ名の失敗",
                   L"フォルダ名と同じファイルが存在します。このフォルダ名は使えません。");
  EXPECT_TRUE(noQuestion());

  const std::pair<std::wstring, const wchar_t*> failures[] = {
      {file + L"\\sub\\HOSHIMI", L"フォルダ名と同じファイルが存在します。"},
      {L"", L"フォルダが作成できませんでした。"}};
  for (const auto& [folder, text] : failures) {
    StartInstall(OpenOptions(), folder, 0);
    AnswerFolderQuestion(true, folder, Answer::Yes);
    AnswerMessageBox(L"フォルダの作成の失敗", text);
  }
  EXPECT_EQ(ReadBytes(file), "not a folder");

  const std::wstring declined = Target(L"declined");
  StartInstall(OpenOptions(), declined + L"\\HOSHIMI", 0);
  AnswerFolderQuestion(true, declined + L"\\HOSHIMI", Answer::No);
  Sync(main);
  EXPECT_FALSE(FolderExists(declined));

  HWND options = OpenOptions();
  Click(options, IDCANCEL);
  WaitForDestroyed(options, kWindowWait);
  EXPECT_TRUE(noQuestion()) << "戻る ends the install";
  EXPECT_EQ(ValueCount(), 0);
  ExpectButtons(false);
  Exit(false, Answer::Yes);
}

TEST_F(LauncherTest, CancelCopy) {
  const std::wstring folder = Target(L"cancel\\HOSHIMI");
  StartToMain();
  StartInstall(OpenOptions(), folder, 0);
  AnswerFolderQuestion(true, folder, Answer::Yes);
  HWND copy = WaitForCopy();
  WaitUntil([&] { return !IsWindow(copy) || !ItemText(copy, IDC_MESSAGE_TEXT).empty(); },
            kWindowWait);
  RequestClose(copy);
  FinishCopy(copy);
  int copied = 0;
  while (copied < 10 && FileExists(Join(folder, kFiles[copied].path))) {
    ++copied;
  }
  for (int i = copied; i < 10; ++i) {
    EXPECT_FALSE(FileExists(Join(folder, kFiles[i].path))) << "copied out of order";
  }
  EXPECT_TRUE(copied >= 1 && copied < 10) << copied << " of 10 copied";
  ExpectLog(Target(L"cancel"), folder, kMaximumMask, copied);
  EXPECT_EQ(ValueCount(), 0) << "a cancelled copy writes no record";
  ExpectButtons(false);
  Exit(false, Answer::Yes);
}

TEST_F(LauncherTest, RunGame) {
  const std::wstring folder = Target(L"run\\HOSHIMI");
  StartToMain();
  InstallThrough(folder, IDC_KIND_MINIMUM, true);
  ExpectButtons(true);
  Click(main, IDC_RUN_GAME_BUTTON);
  EXPECT_EQ(WaitForExit(launcher, kWindowWait), 0u);
  const std::wstring report = Join(folder, L"game-run.txt");
  const std::string expected = Utf8(L"cmdline=" + folder + L"\\game.exe Q:\\ 1\ncwd=Q:\\\n");
  WaitUntil([&] { return ReadBytes(report) == expected; }, kWindowWait);
  EXPECT_EQ(ReadBytes(report), expected);
}

TEST_F(LauncherTest, UninstallKeepsSaves) {
  const std::wstring folder = Target(L"keep");
  StartToMain();
  InstallThrough(folder, IDC_KIND_MINIMUM, true);
  ExpectButtons(true);
  ExpectRecord(1, kMinimumMask, folder);
  ExpectInstalledFiles(folder, kMinimumMask);
  WriteBytes(Join(folder, L"save01.sav"), "save one");
  WriteBytes(Join(folder, L"data\\inner.sav"), "not matched by the search");
  HWND question = OpenUninstall();
  Click(question, IDOK);
  WaitForDestroyed(question, kWindowWait);
  Sync(main);
  ExpectButtons(false);
  EXPECT_TRUE(FileExists(Join(folder, L"save01.sav")));
  EXPECT_TRUE(FileExists(Join(folder, L"data\\inner.sav"))) << "a folder with a file stays";
  EXPECT_FALSE(FolderExists(Join(folder, L"sound"))) << "emptied logged folders go";
  EXPECT_FALSE(FileExists(Join(folder, L"game.exe")));
  EXPECT_FALSE(FileExists(Join(folder, L"hoshimi._md")));
  ExpectRecord(0, 0, folder);
  Exit(false, Answer::Yes);
}

}  // namespace e2e
