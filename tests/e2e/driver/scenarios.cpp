// The end-to-end scenarios: each starts the real launcher from the sample disc and follows
// one path through its windows, then checks files, registry, log bytes and exit code.
#include "scenarios.h"

#include "launcher_steps.h"

namespace e2e {

namespace {

std::wstring Target(const wchar_t* relative)
{
  return Join(g_Settings.targetRoot, relative);
}

// Subfolders the copy pass creates, in the order it meets them, for the first `files`
// selected entries: one entry per new folder part, with its trailing backslash.
std::vector<std::wstring> CopyFolders(const std::wstring& folder, DWORD mask, int files)
{
  std::vector<std::wstring> folders;
  for (int i = 0; i < kFileCount && files > 0; ++i) {
    if (!Selected(kFiles[i], mask)) {
      continue;
    }
    --files;
    std::wstring path = kFiles[i].path;
    size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) {
      continue;
    }
    std::wstring sub = Join(folder, path.substr(0, cut + 1));
    bool seen = false;
    for (const std::wstring& known : folders) {
      seen = seen || known == sub;
    }
    if (!seen) {
      folders.push_back(sub);
    }
  }
  return folders;
}

// Moves a file of the disc away for one scenario and back afterwards.
struct HiddenDiscFile {
  std::wstring path;
  explicit HiddenDiscFile(const wchar_t* relative)
      : path(g_Settings.discFolder + L"\\HOSHIMI\\" + relative)
  {
    if (!MoveFileW(path.c_str(), (path + L".away").c_str())) {
      throw Abort{L"cannot move away " + path};
    }
  }
  ~HiddenDiscFile() { MoveFileW((path + L".away").c_str(), path.c_str()); }
};

void NoDisc(Launcher& launcher)
{
  StartLauncher(launcher);
  DWORD id = launcher.process.dwProcessId;
  AnswerMessageBox(id, L"SETUP.EXE　エラー", L"BrellvanのCDが見つかりません", nullptr,
                   L"no-disc");
  Check(WaitForExit(launcher, kWindowWait, L"after the missing-disc message") == 0,
        L"exit code 0 without the disc");
  Check(!KeyExists(kProductKey), L"without the disc no registry key is created");
}

void FirstStart(Launcher& launcher)
{
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  Settle(main);
  Screenshot(L"main-window");
  Check(KeyExists(kProductKey) && ValueCount(kProductKey) == 0,
        L"the first start creates the product key, empty");
  wchar_t className[128] = {};
  GetClassNameW(main, className, 128);
  CheckText(className, kTitle, L"window class name");
  RECT client{};
  RECT frame{};
  GetClientRect(main, &client);
  GetWindowRect(main, &frame);
  Check(client.right == 464 && client.bottom == 240,
        Format(L"client area 464 x 240 (got %ld x %ld)", client.right, client.bottom));
  Check(frame.left == 168 && frame.top == 180,
        Format(L"window at (168, 180) on 800 x 600 (got %ld, %ld)", frame.left, frame.top));
  LONG style = GetWindowLongW(main, GWL_STYLE);
  Check((style & WS_SYSMENU) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)),
        L"close box only: no minimise, maximise or sizing border");

  struct ExpectedButton {
    int id;
    const wchar_t* text;
    int y;
  };
  const ExpectedButton buttons[] = {{1003, L"ゲーム実行", 0}, {1001, L"インストール", 60},
                                {1002, L"アンインストール", 120}, {1004, L"終了", 180}};
  for (const ExpectedButton& expected : buttons) {
    HWND button = Item(main, expected.id);
    CheckText(WindowText(button), expected.text, Format(L"text of button %d", expected.id));
    RECT place{};
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
    Check(place.left == 320 && place.top == expected.y && place.right - place.left == 144 &&
              place.bottom - place.top == 60,
          Format(L"button %d at (320, %d) 144 x 60 (got %ld, %ld, %ld x %ld)", expected.id,
                 expected.y, place.left, place.top, place.right - place.left,
                 place.bottom - place.top));
  }
  CheckButtons(main, false, L"first start");

  // A size change from outside is undone: the client area stays 464 x 240.
  SetWindowPos(main, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle(main);
  GetClientRect(main, &client);
  Check(client.right == 464 && client.bottom == 240,
        Format(L"client area back at 464 x 240 after a resize (got %ld x %ld)", client.right,
               client.bottom));

  ExitThroughEndbox(launcher, main, false, Answer::No);
  ExitThroughEndbox(launcher, main, true, Answer::CloseBox);
  ExitThroughEndbox(launcher, main, true, Answer::Yes);
}

// The walk-through: a complete install into a new folder with Japanese names (one of
// them, ソ, has 0x5C as its second byte), a restart, and an uninstall that keeps nothing.
void InstallAndUninstall(Launcher& launcher)
{
  const std::wstring parent = Target(L"ソフト");
  const std::wstring folder = parent + L"\\星見の丘";
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  Settle(main);
  Screenshot(L"main-window");
  CheckButtons(main, false, L"before the install");
  InstallThrough(launcher, main, folder, 0, true, true);
  CheckButtons(main, true, L"after the install");
  Settle(main);
  Screenshot(L"installed");
  CheckInstalledFiles(folder, kMaximumMask);
  CheckRecord(2, kMaximumMask, folder);
  std::vector<std::wstring> log = {parent, folder};
  for (const std::wstring& sub : CopyFolders(folder, kMaximumMask, kFileCount)) {
    log.push_back(sub);
  }
  CheckLogFile(folder, log);
  ExitThroughEndbox(launcher, main, false, Answer::Yes);

  // A later start finds the install from the record alone.
  StartLauncher(launcher);
  main = WaitForMain(launcher);
  CheckButtons(main, true, L"start with a complete install");
  WriteBytes(Join(folder, L"save01.sav"), "save one");
  WriteBytes(Join(folder, L"save02.sav"), "save two");

  HWND question = OpenUninstall(launcher, main);
  RequestClose(question);
  WaitForGone(question, kWindowWait, L"the uninstall question");
  Sleep(500);
  Check(FileExists(Join(folder, L"game.exe")) && ValueCount(kProductKey) == 4,
        L"closing the uninstall question changes nothing");
  CheckButtons(main, true, L"after the uninstall question was closed");

  question = OpenUninstall(launcher, main);
  Click(question, 1016);
  WaitChecked(question, 1016, 0);
  Settle(question);
  Screenshot(L"uninstall-question");
  Click(question, IDOK);
  WaitForGone(question, kWindowWait, L"the uninstall question");
  CheckButtons(main, false, L"after the uninstall");
  Settle(main);
  Screenshot(L"uninstalled");
  for (int i = 0; i < kFileCount; ++i) {
    Check(!FileExists(Join(folder, kFiles[i].path)), L"removed: " + Join(folder, kFiles[i].path));
  }
  Check(!FileExists(Join(folder, L"save01.sav")) && !FileExists(Join(folder, L"save02.sav")),
        L"the save files are removed");
  Check(!FileExists(Join(folder, L"hoshimi._md")), L"the log file is removed");
  Check(!FolderExists(parent), L"every logged folder is removed, " + parent + L" included");
  // The uninstaller deletes the keys; the re-evaluation that follows reads the record and
  // so creates the product key again, empty.
  Check(ValueCount(kProductKey) <= 0, L"no value of the record is left after the uninstall");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void ExistingFolder(Launcher& launcher)
{
  const std::wstring folder = Target(L"exist");
  const wchar_t* subs[] = {L"sound\\se", L"data\\map", L"cg16", L"cg24"};
  for (const wchar_t* sub : subs) {
    MakeFolders(Join(folder, sub));
  }
  const std::string oldLog = "T:\\old\n";
  WriteBytes(Join(folder, L"hoshimi._md"), oldLog);

  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  HWND options = OpenInstallOptions(launcher, main);
  StartInstall(options, folder, 0);
  AnswerFolderQuestion(launcher, false, folder, Answer::No);
  Sleep(1000);
  Check(FindWindowOf(launcher.process.dwProcessId, kCopyCaption, 0) == nullptr,
        L"declining the existing folder copies nothing");
  Check(!FileExists(Join(folder, L"game.exe")), L"no file copied after no");

  InstallThrough(launcher, main, folder, 0, false, false);
  CheckButtons(main, true, L"after installing into an existing folder");
  CheckInstalledFiles(folder, kMaximumMask);
  CheckRecord(2, kMaximumMask, folder);
  Check(ReadBytes(Join(folder, L"hoshimi._md")) == oldLog,
        L"no folder created, so the old log file stays as it was");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void CustomMask(Launcher& launcher)
{
  const std::wstring folder = Target(L"custom\\HOSHIMI");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  HWND options = OpenInstallOptions(launcher, main);
  struct Step {
    int click;
    int minimum, maximum, custom;
  };
  const Step steps[] = {{1019, 0, 0, 1}, {1017, 1, 0, 0}, {1018, 0, 1, 0}, {1019, 0, 0, 1}};
  for (const Step& step : steps) {
    Click(options, step.click);
    WaitChecked(options, step.click, 1);
    Check(ItemChecked(options, 1017) == step.minimum && ItemChecked(options, 1018) == step.maximum &&
              ItemChecked(options, 1019) == step.custom,
          Format(L"after a click on %d exactly that kind is checked", step.click));
  }
  // Untick 基本データ and 画像データ（24or32bit）: 0x03 + 0x08.
  Click(options, 1022);
  WaitChecked(options, 1022, 0);
  Click(options, 1024);
  WaitChecked(options, 1024, 0);
  Settle(options);
  Screenshot(L"custom-options");
  StartInstall(options, folder, 0);
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  WaitForCopyEnd(WaitForCopyDialog(launcher));
  CheckButtons(main, true, L"after the custom install");
  CheckInstalledFiles(folder, 0x0B);
  CheckRecord(3, 0x0B, folder);
  std::vector<std::wstring> log = {Target(L"custom"), folder};
  for (const std::wstring& sub : CopyFolders(folder, 0x0B, kFileCount)) {
    log.push_back(sub);
  }
  CheckLogFile(folder, log);
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void FolderIsFile(Launcher& launcher)
{
  const std::wstring file = Target(L"afile");
  WriteBytes(file, "not a folder");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  DWORD id = launcher.process.dwProcessId;

  StartInstall(OpenInstallOptions(launcher, main), file, 0);
  AnswerMessageBox(id, L"フォルダ名の失敗",
                   L"フォルダ名と同じファイルが存在します。このフォルダ名は使えません。", main,
                   L"folder-is-file");
  Check(FindWindowOf(id, L"フォルダの作成", 0) == nullptr, L"no folder question for a file");

  const std::wstring below = file + L"\\sub\\HOSHIMI";
  StartInstall(OpenInstallOptions(launcher, main), below, 0);
  AnswerFolderQuestion(launcher, true, below, Answer::Yes);
  AnswerMessageBox(id, L"フォルダの作成の失敗", L"フォルダ名と同じファイルが存在します。", main,
                   L"file-in-path");
  Check(FileExists(file), L"the file in the path is left alone");

  StartInstall(OpenInstallOptions(launcher, main), L"", 0);
  AnswerFolderQuestion(launcher, true, L"", Answer::Yes);
  AnswerMessageBox(id, L"フォルダの作成の失敗", L"フォルダが作成できませんでした。", main,
                   L"empty-folder");

  const std::wstring declined = Target(L"declined");
  StartInstall(OpenInstallOptions(launcher, main), declined + L"\\HOSHIMI", 0);
  AnswerFolderQuestion(launcher, true, declined + L"\\HOSHIMI", Answer::No);
  Sleep(500);
  Check(!FolderExists(declined), L"declining the new folder creates nothing");

  HWND options = OpenInstallOptions(launcher, main);
  Click(options, IDCANCEL);
  WaitForGone(options, kWindowWait, L"the options dialog after 戻る");
  Sleep(500);
  Check(FindWindowOf(id, L"フォルダの作成", 0) == nullptr, L"戻る ends the install");

  Check(ValueCount(kProductKey) == 0, L"no record written by any of the failed installs");
  CheckButtons(main, false, L"after the failed installs");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

struct FileWait {
  std::wstring path;
};

bool FileAppears(void* context)
{
  return FileExists(static_cast<FileWait*>(context)->path);
}

bool RecordWritten(void*)
{
  return ValueCount(kProductKey) == 4;
}

struct ProgressWait {
  HWND copy;
};

bool ProgressShown(void* context)
{
  HWND copy = static_cast<ProgressWait*>(context)->copy;
  return !IsWindow(copy) || !ItemText(copy, 1009).empty();
}

void CancelCopy(Launcher& launcher)
{
  const std::wstring folder = Target(L"cancel\\HOSHIMI");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  StartInstall(OpenInstallOptions(launcher, main), folder, 0);
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  HWND copy = WaitForCopyDialog(launcher);
  Check(GetWindow(copy, GW_OWNER) == nullptr, L"the copy dialog has no owner");
  ProgressWait wait{copy};
  WaitUntil(ProgressShown, &wait, kWindowWait);
  RequestClose(copy);
  WaitForCopyEnd(copy);
  // The log is the flow's last step after the dialog.
  FileWait logWait{Join(folder, L"hoshimi._md")};
  WaitUntil(FileAppears, &logWait, 30000);
  Sleep(300);
  CheckButtons(main, false, L"after a cancelled copy");
  Check(ValueCount(kProductKey) == 0, L"a cancelled copy writes no record");

  int copied = 0;
  int selected = 0;
  bool prefix = true;
  for (int i = 0; i < kFileCount; ++i) {
    if (!Selected(kFiles[i], kMaximumMask)) {
      continue;
    }
    ++selected;
    bool present = FileExists(Join(folder, kFiles[i].path));
    prefix = prefix && (present ? copied == selected - 1 : true);
    copied += present ? 1 : 0;
  }
  Check(prefix, L"the files copied before the cancel are the first ones of the list");
  Check(copied >= 1 && copied < selected,
        Format(L"the cancel stopped the copy part way (%d of %d copied)", copied, selected));
  std::vector<std::wstring> log = {Target(L"cancel"), folder};
  for (const std::wstring& sub : CopyFolders(folder, kMaximumMask, copied)) {
    log.push_back(sub);
  }
  CheckLogFile(folder, log);
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void CopyFailure(Launcher& launcher)
{
  const std::wstring folder = Target(L"fail\\HOSHIMI");
  HiddenDiscFile missing(L"sound\\bgm02.dat");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  StartInstall(OpenInstallOptions(launcher, main), folder, 0);
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  HWND copy = WaitForCopyDialog(launcher);
  AnswerMessageBox(launcher.process.dwProcessId, L"ファイルコピー失敗",
                   L"Q:\\HOSHIMI\\sound\\bgm02.dat -> " + folder +
                       L"\\sound\\bgm02.datのファイルコピーができません。",
                   copy, L"copy-failure");
  WaitForCopyEnd(copy);
  // The pass went on to the end, so the record is written, but a file is missing.
  WaitUntil(RecordWritten, nullptr, 30000);
  Sleep(300);
  CheckButtons(main, false, L"after a copy with a failure");
  CheckRecord(2, kMaximumMask, folder);
  Check(!FileExists(Join(folder, L"sound\\bgm02.dat")), L"the missing file is not there");
  Check(FileExists(Join(folder, L"cg24\\表紙.dat")), L"the files after the failure are copied");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void KeepSaves(Launcher& launcher)
{
  const std::wstring folder = Target(L"keep");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  InstallThrough(launcher, main, folder, 1017, true, false);
  CheckButtons(main, true, L"after the minimum install");
  CheckRecord(1, kMinimumMask, folder);
  CheckInstalledFiles(folder, kMinimumMask);
  WriteBytes(Join(folder, L"save01.sav"), "save one");
  WriteBytes(Join(folder, L"data\\inner.sav"), "not matched by the search");

  HWND question = OpenUninstall(launcher, main);
  Click(question, IDOK);
  WaitForGone(question, kWindowWait, L"the uninstall question");
  CheckButtons(main, false, L"after the uninstall that keeps saves");
  Check(FileExists(Join(folder, L"save01.sav")), L"the save file is kept");
  Check(FileExists(Join(folder, L"data\\inner.sav")), L"a save file in a sub-folder stays");
  Check(FolderExists(Join(folder, L"data")), L"the folder with a file left in it stays");
  Check(!FolderExists(Join(folder, L"sound")), L"emptied logged folders are removed");
  Check(!FileExists(Join(folder, L"game.exe")), L"the installed files are removed");
  Check(!FileExists(Join(folder, L"hoshimi._md")), L"the log file is removed");
  CheckRecord(0, 0, folder);
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void RunGame(Launcher& launcher)
{
  const std::wstring folder = Target(L"run\\HOSHIMI");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  InstallThrough(launcher, main, folder, 1017, true, false);
  CheckButtons(main, true, L"after the install");
  Click(main, 1003);
  Check(WaitForExit(launcher, kWindowWait, L"after Run game") == 0, L"exit code 0 after Run game");
  FileWait wait{Join(folder, L"game-run.txt")};
  if (!WaitUntil(FileAppears, &wait, kWindowWait)) {
    Fail(L"the game was not started: no " + wait.path);
    return;
  }
  Sleep(500);
  std::string expected =
      ToCodePage(L"cmdline=" + Join(folder, L"game.exe") + L" Q:\\ 1\ncwd=Q:\\\n", CP_UTF8);
  std::string report = ReadBytes(wait.path);
  Check(report == expected, L"the game's command line and folder: expected " + Hex(expected) +
                                L"got " + Hex(report));
}

// The installed state is decided by the files, not by the record alone.
void MissingFile(Launcher& launcher)
{
  const std::wstring folder = Target(L"gone");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  InstallThrough(launcher, main, folder, 1017, true, false);
  CheckButtons(main, true, L"after the install");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);

  const std::wstring removed = Join(folder, L"data\\map\\field.dat");
  SetFileAttributesW(removed.c_str(), FILE_ATTRIBUTE_NORMAL);
  Check(DeleteFileW(removed.c_str()) != FALSE, L"an installed file can be deleted by the user");
  StartLauncher(launcher);
  main = WaitForMain(launcher);
  CheckButtons(main, false, L"start with one installed file missing");
  CheckRecord(1, kMinimumMask, folder);
  ExitThroughEndbox(launcher, main, true, Answer::Yes);
}

} // namespace

const Scenario g_Scenarios[] = {
    {L"no_disc", NoDisc, false},
    {L"first_start", FirstStart, true},
    {L"install_uninstall", InstallAndUninstall, true},
    {L"existing_folder", ExistingFolder, true},
    {L"custom_mask", CustomMask, true},
    {L"folder_is_file", FolderIsFile, true},
    {L"cancel_copy", CancelCopy, true},
    {L"copy_failure", CopyFailure, true},
    {L"keep_saves", KeepSaves, true},
    {L"run_game", RunGame, true},
    {L"missing_file", MissingFile, true},
    {nullptr, nullptr, false},
};

} // namespace e2e
