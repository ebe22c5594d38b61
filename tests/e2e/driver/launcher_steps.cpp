// The launcher's windows as a user meets them, with the texts, states and owners they must
// show; the scenarios string these steps together.
#include "launcher_steps.h"

namespace e2e {

const wchar_t kTitle[] = L"星見の丘";
const wchar_t kCopyCaption[] = L"インストール中です・・・";

const DiscFile kFiles[] = {
    {L"はじめに.txt", -1},      {L"game.exe", 0},          {L"sound\\bgm01.dat", 1},
    {L"sound\\bgm02.dat", 1},    {L"sound\\se\\click.dat", 1}, {L"data\\script.dat", 2},
    {L"data\\map\\field.dat", 2}, {L"cg16\\event01.dat", 3},  {L"cg16\\表紙.dat", 3},
    {L"cg24\\event01.dat", 4},   {L"cg24\\表紙.dat", 4},
};
const int kFileCount = sizeof kFiles / sizeof kFiles[0];

bool Selected(const DiscFile& file, DWORD mask)
{
  return file.type >= 0 && ((mask >> file.type) & 1) != 0;
}

std::wstring Join(const std::wstring& folder, const std::wstring& relative)
{
  return folder + L"\\" + relative;
}

namespace {

struct ButtonWait {
  HWND main;
  bool installed;
};

bool ButtonsShow(void* context)
{
  ButtonWait& wait = *static_cast<ButtonWait*>(context);
  return IsWindowEnabled(GetDlgItem(wait.main, 1001)) == !wait.installed &&
         IsWindowEnabled(GetDlgItem(wait.main, 1002)) == wait.installed &&
         IsWindowEnabled(GetDlgItem(wait.main, 1003)) == wait.installed &&
         IsWindowEnabled(GetDlgItem(wait.main, 1004));
}

struct CheckWait {
  HWND dialog;
  int id;
  int state;
};

bool CheckShows(void* context)
{
  CheckWait& wait = *static_cast<CheckWait*>(context);
  return ItemChecked(wait.dialog, wait.id) == wait.state;
}

long EvenSize(const std::wstring& path)
{
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  long size = static_cast<long>(data.nFileSizeLow);
  return size + (size & 1);
}

std::wstring SizeText(long bytes)
{
  long hundredths = (bytes / 1024) * 100 / 1024;
  return Format(L"%ld.%02ldM", hundredths / 100, hundredths % 100);
}

std::wstring DiscFilePath(const wchar_t* relative)
{
  return std::wstring(L"Q:\\HOSHIMI\\") + relative;
}

void CheckSizeLabels(HWND options)
{
  long typeSize[5] = {};
  for (int i = 0; i < kFileCount; ++i) {
    if (kFiles[i].type >= 0) {
      typeSize[kFiles[i].type] += EvenSize(DiscFilePath(kFiles[i].path));
    }
  }
  long minimum = 0;
  long maximum = 0;
  for (int type = 0; type < 5; ++type) {
    long rounded = (typeSize[type] + 1023) / 1024 * 1024;
    maximum += rounded;
    minimum += ((kMinimumMask >> type) & 1) ? rounded : 0;
    CheckText(ItemText(options, 1028 + type), SizeText(typeSize[type]),
              Format(L"size label of data type %d", type));
  }
  CheckText(ItemText(options, 1026), SizeText(minimum), L"size label of the minimum install");
  CheckText(ItemText(options, 1027), SizeText(maximum), L"size label of the maximum install");
}

} // namespace

HWND WaitForMain(Launcher& launcher)
{
  return WaitForWindow(launcher.process.dwProcessId, kTitle, 1001, kWindowWait,
                       L"the main window");
}

void CheckButtons(HWND main, bool installed, const wchar_t* when)
{
  ButtonWait wait{main, installed};
  if (!WaitUntil(ButtonsShow, &wait, 30000)) {
    Fail(Format(L"%ls: buttons should show the %ls state (install %d, uninstall %d, run %d, "
                L"exit %d enabled)",
                when, installed ? L"installed" : L"not-installed", ItemEnabled(main, 1001),
                ItemEnabled(main, 1002), ItemEnabled(main, 1003), ItemEnabled(main, 1004)));
  }
}

void ExitThroughEndbox(Launcher& launcher, HWND main, bool viaCloseBox, Answer answer)
{
  if (viaCloseBox) {
    RequestClose(main);
  } else {
    Click(main, 1004);
  }
  HWND box = WaitForWindow(launcher.process.dwProcessId, kTitle, 1009, kWindowWait,
                           L"the exit question");
  CheckText(ItemText(box, 1009), std::wstring(kTitle) + L" のセットアップを終了してよろしいですか？",
            L"exit question");
  CheckText(ItemText(box, IDOK), L"はい", L"exit question yes button");
  CheckText(ItemText(box, IDCANCEL), L"いいえ", L"exit question no button");
  Check(GetWindow(box, GW_OWNER) == main, L"the exit question is owned by the main window");
  Check(!IsWindowEnabled(main), L"the main window is disabled under the exit question");
  Settle(box);
  Screenshot(L"exit-question");
  if (answer == Answer::Yes) {
    Click(box, IDOK);
  } else if (answer == Answer::No) {
    Click(box, IDCANCEL);
  } else {
    RequestClose(box);
  }
  WaitForGone(box, kWindowWait, L"the exit question");
  if (answer == Answer::Yes) {
    Check(WaitForExit(launcher, kWindowWait, L"after the exit question was answered yes") == 0,
          L"exit code 0 after yes");
  } else {
    Sleep(300);
    Check(IsWindow(main) && IsWindowVisible(main), L"the main window stays after no");
    Check(IsWindowEnabled(main), L"the main window is enabled again after no");
  }
}

HWND OpenInstallOptions(Launcher& launcher, HWND main)
{
  Click(main, 1001);
  HWND options = WaitForWindow(launcher.process.dwProcessId, L"INSTALL", 1017, kWindowWait,
                               L"the install options dialog");
  CheckText(ItemText(options, 1001), L"c:\\Games\\HOSHIMI", L"folder field on opening");
  Check(ItemChecked(options, 1017) == 0 && ItemChecked(options, 1018) == 1 &&
            ItemChecked(options, 1019) == 0,
        L"the options dialog opens at maximum");
  for (int id = 1020; id <= 1024; ++id) {
    Check(ItemChecked(options, id) == 1, Format(L"type check box %d starts checked", id));
    Check(ItemEnabled(options, id) == (id >= 1022),
          Format(L"type check box %d is %ls", id, id >= 1022 ? L"enabled" : L"disabled"));
  }
  CheckSizeLabels(options);
  Check(GetWindow(options, GW_OWNER) == nullptr, L"the options dialog has no owner");
  Check(IsWindowEnabled(main) != FALSE, L"the main window stays enabled under the options dialog");
  return options;
}

void WaitChecked(HWND dialog, int id, int state)
{
  CheckWait wait{dialog, id, state};
  if (!WaitUntil(CheckShows, &wait, 20000)) {
    Fail(Format(L"control %d should have the check state %d, has %d", id, state,
                ItemChecked(dialog, id)));
  }
}

void StartInstall(HWND options, const std::wstring& folder, int kindId)
{
  SetItemText(options, 1001, folder);
  if (kindId != 0) {
    Click(options, kindId);
    WaitChecked(options, kindId, 1);
  }
  Click(options, IDOK);
  WaitForGone(options, kWindowWait, L"the options dialog");
}

void AnswerFolderQuestion(Launcher& launcher, bool create, const std::wstring& folder, Answer answer)
{
  const wchar_t* caption = create ? L"フォルダの作成" : L"インストールフォルダの決定";
  HWND box = WaitForWindow(launcher.process.dwProcessId, caption, 1009, kWindowWait, caption);
  std::wstring expected = create ? folder + L"のフォルダを作成してもいいですか？"
                                 : folder + L"\nにインストールします。よろしいですか？";
  CheckText(ItemText(box, 1009), expected, Format(L"question of \"%ls\"", caption));
  Check(GetWindow(box, GW_OWNER) == nullptr, Format(L"\"%ls\" has no owner", caption));
  Settle(box);
  Screenshot(create ? L"create-folder" : L"existing-folder");
  Click(box, answer == Answer::Yes ? IDOK : IDCANCEL);
  WaitForGone(box, kWindowWait, caption);
}

HWND WaitForCopyDialog(Launcher& launcher)
{
  return WaitForWindow(launcher.process.dwProcessId, kCopyCaption, 1009, kWindowWait,
                       L"the copy dialog");
}

// A copy-failure box that nobody expects would hold the pass for ever: fail at once instead.
void WaitForCopyEnd(HWND copy)
{
  DWORD processId = 0;
  GetWindowThreadProcessId(copy, &processId);
  DWORD start = GetTickCount();
  while (IsWindow(copy)) {
    if (FindWindowOf(processId, L"ファイルコピー失敗", IDOK) != nullptr) {
      Screenshot(L"unexpected-copy-failure");
      throw Abort{L"a copy failed; windows shown:" + VisibleWindows(processId)};
    }
    if (GetTickCount() - start > kCopyWait) {
      Screenshot(L"timeout");
      throw Abort{L"timed out waiting for the copy pass to end; windows shown:" +
                  VisibleWindows(processId)};
    }
    Sleep(40);
  }
}

void InstallThrough(Launcher& launcher, HWND main, const std::wstring& folder, int kindId,
                    bool folderIsNew, bool shots)
{
  HWND options = OpenInstallOptions(launcher, main);
  SetItemText(options, 1001, folder);
  if (shots) {
    Settle(options);
    Screenshot(L"install-options");
  }
  StartInstall(options, folder, kindId);
  AnswerFolderQuestion(launcher, folderIsNew, folder, Answer::Yes);
  HWND copy = WaitForCopyDialog(launcher);
  std::wstring progress;
  for (int tries = 0; tries < 200 && progress.empty() && IsWindow(copy); ++tries) {
    progress = ItemText(copy, 1009);
    Sleep(20);
  }
  if (!progress.empty()) {
    bool known = false;
    for (int i = 0; i < kFileCount; ++i) {
      known = known || progress == L"インストール元　" + DiscFilePath(kFiles[i].path) +
                                       L"\nインストール先　" + Join(folder, kFiles[i].path) + L"\n";
    }
    Check(known, L"copy progress names a source and a target: \"" + progress + L"\"");
    if (shots) {
      Screenshot(L"copying");
    }
  }
  WaitForCopyEnd(copy);
}

void CheckInstalledFiles(const std::wstring& folder, DWORD mask)
{
  for (int i = 0; i < kFileCount; ++i) {
    std::wstring target = Join(folder, kFiles[i].path);
    if (!Selected(kFiles[i], mask)) {
      Check(!FileExists(target), L"not selected, so not copied: " + target);
      continue;
    }
    Check(ReadBytes(target) == ReadBytes(DiscFilePath(kFiles[i].path)),
          L"copied with the disc's bytes: " + target);
    DWORD attributes = Attributes(target);
    Check(attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY),
          L"copied file is not read-only: " + target);
  }
}

void CheckRecord(DWORD kind, DWORD mask, const std::wstring& folder)
{
  CheckDwordValue(L"INSTFLAG", kind);
  CheckDwordValue(L"INSTTYPE", mask);
  CheckStringValue(L"CDPATH", L"Q:\\");
  CheckStringValue(L"GAMEPATH", folder);
  Check(ValueCount(kProductKey) == 4, L"the record holds exactly four values");
}

// The log is code page 932 bytes, one folder and a line feed each, whatever the ANSI code page.
void CheckLogFile(const std::wstring& folder, const std::vector<std::wstring>& entries)
{
  std::wstring text;
  for (const std::wstring& entry : entries) {
    text += entry + L"\n";
  }
  std::string expected = ToCodePage(text, 932);
  std::string actual = ReadBytes(Join(folder, L"hoshimi._md"));
  Check(actual == expected, L"log file bytes: expected " + Hex(expected) + L"got " + Hex(actual));
}

HWND OpenUninstall(Launcher& launcher, HWND main)
{
  Click(main, 1002);
  HWND box = WaitForWindow(launcher.process.dwProcessId, kTitle, 1016, kWindowWait,
                           L"the uninstall question");
  CheckText(ItemText(box, 1009), L"アンインストールしてよろしいですか？", L"uninstall question");
  CheckText(ItemText(box, 1016), L"SAVEファイルを残す", L"keep-saves check box");
  Check(ItemChecked(box, 1016) == 1, L"keep-saves starts checked");
  Check(GetWindow(box, GW_OWNER) == nullptr, L"the uninstall question has no owner");
  return box;
}

} // namespace e2e
