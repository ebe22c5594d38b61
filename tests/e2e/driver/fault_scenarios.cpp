// Faults a user's machine can throw at the launcher: a disc file gone mid-copy, a read-only
// or full target, a damaged record or log. The launcher must say so, keep running and delete
// nothing it did not make.
#include "scenarios.h"

#include "launcher_steps.h"

namespace e2e {

namespace {

const wchar_t kCopyFailure[] = L"ファイルコピー失敗";

std::wstring Target(const wchar_t* relative)
{
  return Join(g_Settings.targetRoot, relative);
}

std::wstring DiscPath(const wchar_t* relative)
{
  return g_Settings.discFolder + L"\\" + relative;
}

std::wstring CopyFailureText(const std::wstring& folder, const wchar_t* relative)
{
  return std::wstring(L"Q:\\HOSHIMI\\") + relative + L" -> " + Join(folder, relative) +
         L"のファイルコピーができません。";
}

// Moves a disc file away through Z: and puts it back, so the staged disc is never left changed.
struct DiscFileAway {
  std::wstring path;
  bool away = false;
  explicit DiscFileAway(const wchar_t* relative) : path(DiscPath(relative)) {}
  void Remove()
  {
    away = MoveFileW(path.c_str(), (path + L".away").c_str()) != FALSE;
    if (!away) {
      throw Abort{L"cannot move away " + path};
    }
  }
  ~DiscFileAway()
  {
    if (away) {
      MoveFileW((path + L".away").c_str(), path.c_str());
    }
  }
};

// Lets the copy pass run to its end, answering every copy-failure box (owned by the copy
// dialog) and handing back what the boxes said.
std::vector<std::wstring> CopyAnsweringFailures(HWND copy)
{
  DWORD processId = 0;
  GetWindowThreadProcessId(copy, &processId);
  std::vector<std::wstring> failures;
  DWORD start = GetTickCount();
  while (IsWindow(copy)) {
    HWND box = FindWindowOf(processId, kCopyFailure, IDOK);
    if (box != nullptr) {
      std::wstring shown;
      for (const std::wstring& text : StaticTexts(box)) {
        shown = text.find(L"のファイルコピーができません。") != std::wstring::npos ? text : shown;
      }
      failures.push_back(shown);
      Check(GetWindow(box, GW_OWNER) == copy, L"the copy-failure box is owned by the copy dialog");
      Click(box, IDOK);
      WaitForGone(box, kWindowWait, kCopyFailure);
    }
    if (GetTickCount() - start > kCopyWait) {
      throw Abort{L"timed out waiting for the copy pass; windows shown:" +
                  VisibleWindows(processId)};
    }
    Sleep(20);
  }
  return failures;
}

bool RecordWritten(void*)
{
  return ValueCount(kProductKey) == 4;
}

// The disc file of a later step vanishes while the pass is already copying. The first
// file's copy fails too, on purpose: its failure box holds the pass inside that step, so
// the later file goes away between two steps, whatever the machine's speed.
void VanishMidCopy(Launcher& launcher)
{
  const std::wstring folder = Target(L"vanish\\HOSHIMI");
  const wchar_t* const first = L"game.exe";
  const wchar_t* const last = L"cg24\\表紙.dat";
  DiscFileAway missingFirst(L"HOSHIMI\\game.exe");
  DiscFileAway vanished(L"HOSHIMI\\cg24\\表紙.dat");
  missingFirst.Remove();
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  StartInstall(OpenInstallOptions(launcher, main), folder, 0);
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  HWND copy = WaitForCopyDialog(launcher);
  WaitForWindow(launcher.process.dwProcessId, L"ファイルコピー失敗", 0, kWindowWait,
                L"the first file's copy failure");
  vanished.Remove();
  std::vector<std::wstring> failures = CopyAnsweringFailures(copy);
  Check(failures.size() == 2, Format(L"two copy failures (got %u)", unsigned(failures.size())));
  if (failures.size() == 2) {
    CheckText(failures[0], CopyFailureText(folder, first), L"first copy-failure text");
    CheckText(failures[1], CopyFailureText(folder, last), L"vanished file's copy-failure text");
  }
  WaitUntil(RecordWritten, nullptr, 30000);
  Sleep(300);
  CheckButtons(main, false, L"after a disc file vanished");
  for (int i = 0; i < kFileCount - 1; ++i) {
    bool expected = Selected(kFiles[i], kMaximumMask) && std::wstring(kFiles[i].path) != first;
    Check(FileExists(Join(folder, kFiles[i].path)) == expected,
          L"copied as selected: " + Join(folder, kFiles[i].path));
  }
  Check(!FileExists(Join(folder, last)), L"the vanished file is not in the install folder");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

void ReadOnlyTarget(Launcher& launcher)
{
  const std::wstring folder = Target(L"readonly");
  const std::wstring game = Join(folder, L"game.exe");
  const std::wstring notes = Join(folder, L"notes.txt");
  MakeFolders(folder);
  WriteBytes(game, "an older game");
  WriteBytes(notes, "the user's notes");
  SetFileAttributesW(game.c_str(), FILE_ATTRIBUTE_READONLY);
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  StartInstall(OpenInstallOptions(launcher, main), folder, 0);
  AnswerFolderQuestion(launcher, false, folder, Answer::Yes);
  std::vector<std::wstring> failures = CopyAnsweringFailures(WaitForCopyDialog(launcher));
  // Windows refuses to overwrite a read-only file; either way the bit is gone afterwards.
  Check(failures.size() <= 1, L"at most the read-only file fails to copy");
  Print(failures.empty() ? L"  the read-only game.exe was overwritten"
                         : L"  the read-only game.exe was refused");
  if (failures.empty()) {
    Check(ReadBytes(game) == ReadBytes(L"Q:\\HOSHIMI\\game.exe"), L"game.exe overwritten");
  } else {
    CheckText(failures[0], CopyFailureText(folder, L"game.exe"), L"copy-failure text");
  }
  Check(!(Attributes(game) & FILE_ATTRIBUTE_READONLY), L"game.exe is no longer read-only");
  WaitUntil(RecordWritten, nullptr, 30000);
  CheckButtons(main, true, L"after the install over a read-only file");

  HWND question = OpenUninstall(launcher, main);
  Click(question, IDOK);
  WaitForGone(question, kWindowWait, L"the uninstall question");
  CheckButtons(main, false, L"after the uninstall");
  Check(ReadBytes(notes) == "the user's notes", L"the user's file in the install folder stays");
  Check(!FileExists(game), L"the recorded game.exe is removed");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}

// Drive S: is a 4 MiB file system that run-e2e.sh mounts. The extent fits when 開始 is
// pressed; most of the drive is taken before the folder question is answered, so that the
// pass runs out of room part way.
void DiskFull(Launcher& launcher)
{
  if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR) {
    Print(L"SKIP disk-full: no small drive S: (see run-e2e.sh)");
    return;
  }
  const std::wstring filler = L"S:\\filler.bin";
  const std::wstring folder = L"S:\\full\\HOSHIMI";
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  StartInstall(OpenInstallOptions(launcher, main), folder, 0);

  ULARGE_INTEGER free{};
  GetDiskFreeSpaceExW(L"S:\\", &free, nullptr, nullptr);
  const ULONGLONG room = 160 * 1024;
  Check(free.QuadPart > room, L"drive S: has room for the filler");
  WriteBytes(filler, std::string(static_cast<size_t>(free.QuadPart - room), 'f'));
  const std::string fillerBytes = ReadBytes(filler);
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  std::vector<std::wstring> failures = CopyAnsweringFailures(WaitForCopyDialog(launcher));
  Check(!failures.empty(), L"a full drive makes copies fail");
  Print(Format(L"  %u copies failed on the full drive", unsigned(failures.size())));
  for (const std::wstring& failure : failures) {
    bool known = false;
    for (int i = 0; i < kFileCount; ++i) {
      known = known || failure == CopyFailureText(folder, kFiles[i].path);
    }
    Check(known, L"copy-failure text names a listed file: \"" + failure + L"\"");
  }
  WaitUntil(RecordWritten, nullptr, 30000);
  Sleep(300);
  Check(IsWindowEnabled(Item(main, 1004)) != FALSE, L"the launcher answers after a full drive");
  Check(ReadBytes(filler) == fillerBytes, L"the file already on the drive is untouched");
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
  DeleteFileW(filler.c_str());
}

// One damaged value over an otherwise sound record of a minimum install.
struct RecordCase {
  const wchar_t* what;
  const wchar_t* name;
  DWORD type;
  std::string data;
  size_t padTo;  // when not 0: the data is the folder's text padded with x to this many bytes
  bool installed;
};

void SetValue(HKEY key, const wchar_t* name, DWORD type, const std::string& data)
{
  RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
}

std::string Utf16(const std::wstring& text)
{
  return std::string(reinterpret_cast<const char*>(text.c_str()), text.size() * sizeof(wchar_t));
}

std::string Dword(DWORD value)
{
  return std::string(reinterpret_cast<const char*>(&value), 4);
}

void CorruptRecord(Launcher& launcher)
{
  const std::wstring folder = Target(L"record");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  InstallThrough(launcher, main, folder, 1017, true, false);
  ExitThroughEndbox(launcher, main, false, Answer::Yes);

  const RecordCase cases[] = {
      {L"GAMEPATH of 256 bytes", L"GAMEPATH", REG_SZ, "", 256, false},
      {L"GAMEPATH of 257 bytes", L"GAMEPATH", REG_SZ, "", 257, false},
      {L"GAMEPATH of 600 bytes", L"GAMEPATH", REG_SZ, "", 600, false},
      {L"INSTFLAG \"3\" as REG_SZ", L"INSTFLAG", REG_SZ, Utf16(L"3"), 0, true},
      {L"INSTFLAG of no bytes", L"INSTFLAG", REG_BINARY, "", 0, false},
      {L"INSTTYPE of one byte 07", L"INSTTYPE", REG_BINARY, "\x07", 0, true},
      {L"INSTTYPE of one byte 1F", L"INSTTYPE", REG_BINARY, "\x1F", 0, false},
      // The reading ends at it, after the other three: TypeMask stays 0, no file to check.
      {L"INSTTYPE of 300 bytes", L"INSTTYPE", REG_BINARY, std::string(300, '\x07'), 0, true},
  };
  for (const RecordCase& c : cases) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    SetValue(key, L"INSTFLAG", REG_DWORD, Dword(1));
    SetValue(key, L"INSTTYPE", REG_DWORD, Dword(kMinimumMask));
    SetValue(key, L"CDPATH", REG_SZ, Utf16(L"Q:\\"));
    SetValue(key, L"GAMEPATH", REG_SZ, Utf16(folder));
    std::string data = c.data;
    if (c.padTo != 0) {
      std::wstring text = folder + L"\\";
      text.resize(c.padTo, L'x');
      data = Utf16(text);
    }
    SetValue(key, c.name, c.type, data);
    RegCloseKey(key);
    StartLauncher(launcher);
    main = WaitForMain(launcher);
    CheckButtons(main, c.installed, c.what);
    ExitThroughEndbox(launcher, main, false, Answer::Yes);
  }
  CheckInstalledFiles(folder, kMinimumMask);
}

// A log replaced by something the install never wrote, with a user's folder outside the
// install folder named in it.
enum class LogKind { ThousandLines, CrLf, Junk, Outside };

struct LogCase {
  const wchar_t* what;
  LogKind kind;
  bool logRead;  // the real entries are read, so the install's folders go
};

std::string LogBytes(const LogCase& c, const std::wstring& folder)
{
  std::vector<std::wstring> lines = {folder.substr(0, folder.rfind(L'\\')),
                                     folder,
                                     Join(folder, L"sound\\"),
                                     Join(folder, L"sound\\se\\"),
                                     Join(folder, L"data\\"),
                                     Join(folder, L"data\\map\\")};
  const std::vector<std::wstring> outside = {Target(L"outside\\user"), Target(L"outside\\empty"),
                                             Target(L"outside"), L"T:\\", L"C:\\windows"};
  lines.insert(lines.end(), outside.begin(), outside.end());
  std::string bytes;
  if (c.kind == LogKind::Junk) {
    unsigned seed = 12345;
    for (int i = 0; i < 8192; ++i) {
      seed = seed * 1103515245 + 12345;
      bytes += static_cast<char>(seed >> 16);
    }
    return bytes;
  }
  if (c.kind == LogKind::ThousandLines) {
    while (lines.size() < 1000) {
      lines.push_back(Target(L"outside\\user\\"));
    }
  }
  for (const std::wstring& line : lines) {
    bytes += ToCodePage(line, 932) + (c.kind == LogKind::CrLf ? "\r\n" : "\n");
  }
  return bytes;
}

void LogFaults(Launcher& launcher)
{
  const LogCase cases[] = {
      {L"1,000 lines", LogKind::ThousandLines, true},
      {L"CR LF lines", LogKind::CrLf, true},
      {L"binary junk", LogKind::Junk, false},
      {L"folders outside the install folder", LogKind::Outside, true},
  };
  const std::wstring userFile = Target(L"outside\\user\\user.txt");
  StartLauncher(launcher);
  HWND main = WaitForMain(launcher);
  int index = 0;
  for (const LogCase& c : cases) {
    const std::wstring parent = Target(Format(L"log%d", ++index).c_str());
    const std::wstring folder = parent + L"\\HOSHIMI";
    InstallThrough(launcher, main, folder, 1017, true, false);
    CheckButtons(main, true, c.what);
    MakeFolders(Target(L"outside\\user"));
    MakeFolders(Target(L"outside\\empty"));
    WriteBytes(userFile, "the user's own file");
    WriteBytes(Join(folder, L"data\\notes.txt"), "made by the user");
    WriteBytes(Join(folder, L"hoshimi._md"), LogBytes(c, folder));

    HWND question = OpenUninstall(launcher, main);
    Click(question, 1016);
    WaitChecked(question, 1016, 0);
    Click(question, IDOK);
    WaitForGone(question, kWindowWait, L"the uninstall question");
    CheckButtons(main, false, c.what);
    const std::wstring what = std::wstring(c.what) + L": ";
    Check(ReadBytes(userFile) == "the user's own file", what + L"the user's file outside stays");
    Check(ReadBytes(Join(folder, L"data\\notes.txt")) == "made by the user",
          what + L"the user's file in the install folder stays");
    Check(!FileExists(Join(folder, L"game.exe")), what + L"the installed files are removed");
    Check(FolderExists(Join(folder, L"sound")) != c.logRead,
          what + (c.logRead ? L"the logged empty folders are removed"
                            : L"no folder is removed for an unreadable log"));
    Check(FolderExists(Join(folder, L"data")), what + L"a logged folder with a file in it stays");
  }
  ExitThroughEndbox(launcher, main, false, Answer::Yes);
}


// The disc's setup.ini swapped for one scenario and put back byte for byte afterwards.
struct SetupIniSwap {
  std::wstring path = DiscPath(L"setup.ini");
  std::string original = ReadBytes(path);
  DWORD attributes = Attributes(path);
  explicit SetupIniSwap(const std::string& bytes)
  {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteBytes(path, bytes);
  }
  ~SetupIniSwap()
  {
    WriteBytes(path, original);
    SetFileAttributesW(path.c_str(), attributes);
  }
};

// The sample's setup.ini with extra settings after its end and extra lines in its FILE list.
std::string SetupIniWith(const std::wstring& settings, const std::wstring& files)
{
  std::string ini = ReadBytes(DiscPath(L"setup.ini"));
  size_t end = ini.rfind("\r\n[]\r\n");
  if (end == std::string::npos) {
    throw Abort{L"the sample's setup.ini has no closing [] line"};
  }
  ini.insert(end + 2, ToCodePage(files, 932));
  return ini + ToCodePage(settings, 932);
}

std::wstring Setting(const wchar_t* keyword, const std::wstring& value)
{
  return std::wstring(L"#") + keyword + L" " + value + L"\r\n";
}

HWND WaitForTitled(Launcher& launcher, const std::wstring& title)
{
  return WaitForWindow(launcher.process.dwProcessId, title.c_str(), 1001, kWindowWait,
                       L"the main window with the cut title");
}

void ExitTitled(Launcher& launcher, HWND main, const std::wstring& title)
{
  Click(main, 1004);
  HWND box = WaitForWindow(launcher.process.dwProcessId, title.c_str(), 1009, kWindowWait,
                           L"the exit question");
  CheckText(ItemText(box, 1009), title + L" のセットアップを終了してよろしいですか？",
            L"exit question with the long title");
  Click(box, IDOK);
  Check(WaitForExit(launcher, kWindowWait, L"after the exit question") == 0, L"exit code 0");
}

HWND OpenOptions(Launcher& launcher, HWND main)
{
  Click(main, 1001);
  return WaitForWindow(launcher.process.dwProcessId, L"INSTALL", 1017, kWindowWait,
                       L"the install options dialog");
}

// Every setting over its capacity: each is cut at a whole character, nothing else breaks.
void SettingsOverCapacity(Launcher& launcher)
{
  const std::wstring title(60, L'ほ');  // 120 bytes; 49 characters fit 99
  const std::wstring parent(300, L'D');
  const std::wstring game(300, L'P');
  const std::wstring settings = Setting(L"TITLE", title) + Setting(L"DEFDIR", parent) +
                                Setting(L"PATH", game) + Setting(L"MD", std::wstring(300, L'M')) +
                                Setting(L"EXE", std::wstring(300, L'E')) +
                                Setting(L"REG_T", std::wstring(1100, L'T'));
  SetupIniSwap swap(SetupIniWith(settings, L""));
  const std::wstring shown = title.substr(0, 49);
  StartLauncher(launcher);
  HWND main = WaitForTitled(launcher, shown);
  Settle(main);
  Screenshot(L"cut-title");
  CheckButtons(main, false, L"start with settings over capacity");
  HWND options = OpenOptions(launcher, main);
  CheckText(ItemText(options, 1001), parent.substr(0, 255) + L"\\" + game.substr(0, 255),
            L"folder field from the cut DEFDIR and PATH");
  Click(options, IDCANCEL);
  WaitForGone(options, kWindowWait, L"the options dialog");
  ExitTitled(launcher, main, shown);
}

// A disc file whose relative name is too long for a plain path, removed again afterwards.
struct LongDiscFile {
  std::wstring folder = DiscPath(L"HOSHIMI\\longname");
  std::wstring path;
  explicit LongDiscFile(const std::wstring& relative)
      : path(L"\\\\?\\" + DiscPath(L"HOSHIMI\\") + relative)
  {
    MakeFolders(folder);
    WriteBytes(path, "a file with a 259-byte name");
  }
  ~LongDiscFile()
  {
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
  }
};

// Settings at capacity, file names of 259 bytes (kept) and 300 bytes (dropped), and folder
// fields of 1,023 bytes and more.
void TextsAtCapacity(Launcher& launcher)
{
  const std::wstring title = L"A" + std::wstring(49, L'ほ');  // 99 bytes
  const std::wstring longName = L"longname\\" + std::wstring(246, L'n') + L".dat";  // 259 bytes
  const std::wstring tooLong = L"longname\\" + std::wstring(287, L'n') + L".dat";   // 300 bytes
  LongDiscFile source(longName);
  SetupIniSwap swap(
      SetupIniWith(Setting(L"TITLE", title) + Setting(L"MD", std::wstring(255, L'M')),
                   L"[CG24]\r\n" + longName + L"\r\n" + tooLong + L"\r\n"));
  StartLauncher(launcher);
  HWND main = WaitForTitled(launcher, title);
  CheckButtons(main, false, L"start with settings at capacity");
  DWORD id = launcher.process.dwProcessId;

  // Both fields are cut to 1,023 bytes, the second at a whole character (1,022 bytes); the
  // question then has no room left for its own words.
  const std::wstring fields[] = {L"T:\\" + std::wstring(1020, L'a'),
                                 L"T:\\" + std::wstring(1019, L'a') + std::wstring(40, L'ほ')};
  for (const std::wstring& field : fields) {
    HWND options = OpenOptions(launcher, main);
    SetItemText(options, 1001, field);
    Click(options, IDOK);
    WaitForGone(options, kWindowWait, L"the options dialog");
    HWND question = WaitForWindow(id, L"フォルダの作成", 1009, kWindowWait, L"the create question");
    CheckText(ItemText(question, 1009), field.substr(0, 1022 + (field.back() == L'a')),
              L"create question for a folder field of 1,023 bytes and more");
    Click(question, IDOK);
    WaitForGone(question, kWindowWait, L"the create question");
    AnswerMessageBox(id, L"フォルダの作成の失敗", L"フォルダが作成できませんでした。", main,
                     nullptr);
  }

  const std::wstring folder = Target(L"long\\HOSHIMI");
  HWND options = OpenOptions(launcher, main);
  SetItemText(options, 1001, folder);
  Click(options, IDOK);
  WaitForGone(options, kWindowWait, L"the options dialog");
  AnswerFolderQuestion(launcher, true, folder, Answer::Yes);
  std::vector<std::wstring> failures = CopyAnsweringFailures(WaitForCopyDialog(launcher));
  // A target path past 259 characters may be refused by the system; only that file may fail.
  Print(failures.empty() ? L"  the 259-byte file name was copied"
                         : L"  the 259-byte file name was refused");
  for (const std::wstring& failure : failures) {
    CheckText(failure, CopyFailureText(folder, longName.c_str()), L"copy-failure text");
  }
  WaitUntil(RecordWritten, nullptr, 30000);
  Sleep(300);
  CheckButtons(main, failures.empty(), L"after the install with a 259-byte file name");
  CheckInstalledFiles(folder, kMaximumMask);
  Check(FileExists(Join(folder, std::wstring(255, L'M'))), L"the log under its 255-byte name");
  ExitTitled(launcher, main, title);
}

} // namespace

const Scenario g_FaultScenarios[] = {
    {L"vanish_mid_copy", VanishMidCopy, true},
    {L"readonly_target", ReadOnlyTarget, true},
    {L"disk_full", DiskFull, true},
    {L"corrupt_record", CorruptRecord, true},
    {L"log_faults", LogFaults, true},
    {L"settings_over_capacity", SettingsOverCapacity, true},
    {L"texts_at_capacity", TextsAtCapacity, true},
    {nullptr, nullptr, false},
};

} // namespace e2e
