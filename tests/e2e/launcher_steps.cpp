// The launcher's windows as a user meets them, with the texts, states and owners they must
// show, and what it leaves on the machine.
#include <filesystem>
#include <fstream>

#include "launcher_test.h"

namespace e2e {

namespace fs = std::filesystem;

const wchar_t kTitle[] = L"星見の丘";
const wchar_t kProductKey[] = L"Software\\ほしみ工房\\HOSHIMI";
const DiscFile kFiles[10] = {
    {L"game.exe", 0, nullptr},
    {L"sound\\bgm01.dat", 1, L"sound\\"},
    {L"sound\\bgm02.dat", 1, nullptr},
    {L"sound\\se\\click.dat", 1, L"sound\\se\\"},
    {L"data\\script.dat", 2, L"data\\"},
    {L"data\\map\\field.dat", 2, L"data\\map\\"},
    {L"cg16\\event01.dat", 3, L"cg16\\"},
    {L"cg16\\表紙.dat", 3, nullptr},
    {L"cg24\\event01.dat", 4, L"cg24\\"},
    {L"cg24\\表紙.dat", 4, nullptr},
};

namespace {

const wchar_t kCopyCaption[] = L"インストール中です・・・";
const wchar_t kCopyFailure[] = L"ファイルコピー失敗";

std::wstring Setting(const wchar_t* name) {
  wchar_t value[1024] = {};
  GetEnvironmentVariableW(name, value, 1024);
  return value;
}

bool Selected(const DiscFile& file, DWORD mask) { return ((mask >> file.type) & 1) != 0; }

// Copies of the read-only disc are read-only too: clear that before deleting.
void ClearFolder(const fs::path& folder) {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  for (const auto& entry : fs::directory_iterator(folder, error)) fs::remove_all(entry, error);
}

std::string Value(const wchar_t* name, DWORD& type) {
  BYTE data[4096];
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kProductKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                   &size) != ERROR_SUCCESS) {
    return "<missing>";
  }
  return std::string(reinterpret_cast<const char*>(data), size);
}

std::string Utf16(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), text.size() * sizeof(wchar_t));
}

std::string Bytes(const std::wstring& text, UINT codePage) {
  int length = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                      length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring Join(const std::wstring& folder, const std::wstring& relative) {
  return folder + L"\\" + relative;
}

std::wstring Target(const wchar_t* relative) { return Join(Setting(L"E2E_TARGET"), relative); }

std::wstring CopyFailureText(const std::wstring& folder, const wchar_t* relative) {
  return std::wstring(L"Q:\\HOSHIMI\\") + relative + L" -> " + Join(folder, relative) +
         L"のファイルコピーができません。";
}

int ValueCount() {
  HKEY key = nullptr;
  DWORD values = 0;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return -1;
  }
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return static_cast<int>(values);
}

// Texts go in as UTF-16 through the wide API, without a terminating zero like the record.
void ExpectRecord(DWORD kind, DWORD mask, const std::wstring& folder) {
  const std::pair<const wchar_t*, std::pair<DWORD, std::string>> values[] = {
      {L"INSTFLAG", {REG_DWORD, std::string(reinterpret_cast<const char*>(&kind), 4)}},
      {L"INSTTYPE", {REG_DWORD, std::string(reinterpret_cast<const char*>(&mask), 4)}},
      {L"CDPATH", {REG_SZ, Utf16(L"Q:\\")}},
      {L"GAMEPATH", {REG_SZ, Utf16(folder)}},
  };
  for (const auto& [name, expected] : values) {
    DWORD type = 0;
    std::string data = Value(name, type);
    EXPECT_EQ(type, expected.first) << Utf8(name);
    EXPECT_EQ(data, expected.second) << Utf8(name);
  }
  EXPECT_EQ(ValueCount(), 4);
}

bool FileExists(const std::wstring& path) { return fs::is_regular_file(path); }

bool FolderExists(const std::wstring& path) { return fs::is_directory(path); }

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(fs::path(path), std::ios::binary);
  ASSERT_TRUE(out.write(bytes.data(), bytes.size()).flush()) << Utf8(path);
}

void MakeFolders(const std::wstring& path) {
  std::error_code error;
  fs::create_directories(path, error);
  ASSERT_TRUE(FolderExists(path)) << Utf8(path);
}

void ExpectInstalledFiles(const std::wstring& folder, DWORD mask) {
  EXPECT_FALSE(FileExists(Join(folder, L"はじめに.txt"))) << "a file of no type is never copied";
  for (const DiscFile& file : kFiles) {
    std::wstring target = Join(folder, file.path);
    if (!Selected(file, mask)) {
      EXPECT_FALSE(FileExists(target)) << "not selected, yet copied: " << Utf8(target);
      continue;
    }
    EXPECT_EQ(ReadBytes(target), ReadBytes(Join(L"Q:\\HOSHIMI", file.path))) << Utf8(target);
    EXPECT_FALSE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY) << Utf8(target);
  }
}

void ExpectLog(const std::wstring& parent, const std::wstring& folder, DWORD mask, int files) {
  std::wstring text = parent + L"\n" + folder + L"\n";
  for (const DiscFile& file : kFiles) {
    if (Selected(file, mask) && files-- > 0 && file.newFolder != nullptr) {
      text += Join(folder, file.newFolder) + L"\n";
    }
  }
  std::string expected = Bytes(text, 932);
  std::wstring log = Join(folder, L"hoshimi._md");
  // The log is the flow's last step: wait for it rather than for a guessed time.
  WaitUntil([&] { return ReadBytes(log) == expected; }, 10000);
  EXPECT_EQ(ReadBytes(log), expected) << Utf8(text);
}

DiscFileAway::DiscFileAway(const wchar_t* relative)
    : path(Join(Setting(L"E2E_DISC"), std::wstring(L"HOSHIMI\\") + relative)) {}

void DiscFileAway::Remove() {
  away = MoveFileW(path.c_str(), (path + L".away").c_str()) != FALSE;
  if (!away) {
    throw WindowError(L"cannot move away " + path);
  }
}

DiscFileAway::~DiscFileAway() {
  if (away) {
    MoveFileW((path + L".away").c_str(), path.c_str());
  }
}

void LauncherTest::SetUp() {
  // A run meant for one ANSI code page under another locale would test nothing.
  std::wstring codePage = Setting(L"E2E_ANSI_CODE_PAGE");
  ASSERT_TRUE(codePage.empty() || codePage == std::to_wstring(GetACP())) << GetACP();
  SetEnvironmentVariableW(L"GAME_STUB_SILENT", L"1");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ほしみ工房");
  ASSERT_EQ(ValueCount(), -1) << "the maker's key could not be removed";
  ClearFolder(Setting(L"E2E_TARGET") + L"\\");
}

HWND LauncherTest::StartToMain() {
  // Started from C:\ on purpose: the launcher has to find its disc by itself.
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  main = Wait(kTitle, IDC_INSTALL_BUTTON);
  Sync(main);  // its buttons are made before it takes messages
  return main;
}

HWND LauncherTest::Wait(const wchar_t* caption, int childId) {
  return WaitForWindow(launcher, caption, childId, kWindowWait);
}

void LauncherTest::ExpectButtons(bool installed) {
  auto shown = [&] {
    return Enabled(main, IDC_INSTALL_BUTTON) == !installed &&
           Enabled(main, IDC_UNINSTALL_BUTTON) == installed &&
           Enabled(main, IDC_RUN_GAME_BUTTON) == installed && Enabled(main, IDC_EXIT_BUTTON);
  };
  EXPECT_TRUE(WaitUntil(shown, 10000))
      << (installed ? "installed" : "not-installed") << " state expected on the buttons";
}

void LauncherTest::Exit(bool viaCloseBox, Answer answer) {
  viaCloseBox ? RequestClose(main) : Click(main, IDC_EXIT_BUTTON);
  HWND box = Wait(kTitle, IDC_MESSAGE_TEXT);
  EXPECT_EQ(ItemText(box, IDC_MESSAGE_TEXT),
            std::wstring(kTitle) + L" のセットアップを終了してよろしいですか？");
  EXPECT_EQ(ItemText(box, IDOK), L"はい");
  EXPECT_EQ(ItemText(box, IDCANCEL), L"いいえ");
  EXPECT_EQ(GetWindow(box, GW_OWNER), main);
  EXPECT_FALSE(IsWindowEnabled(main));
  answer == Answer::Yes ? Click(box, IDOK)
                        : (answer == Answer::No ? Click(box, IDCANCEL) : RequestClose(box));
  WaitForDestroyed(box, kWindowWait);
  if (answer == Answer::Yes) {
    EXPECT_EQ(WaitForExit(launcher, kWindowWait), 0u);
  } else {
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }, 10000));
    EXPECT_TRUE(IsWindowVisible(main));
  }
}

HWND LauncherTest::OpenOptions(bool sampleSizes) {
  Click(main, IDC_INSTALL_BUTTON);
  HWND options = Wait(L"INSTALL", IDC_KIND_MINIMUM);
  EXPECT_EQ(ItemText(options, IDC_FOLDER_EDIT), L"c:\\Games\\HOSHIMI");
  EXPECT_EQ(Checked(options, IDC_KIND_MINIMUM) * 1 + Checked(options, IDC_KIND_MAXIMUM) * 2 +
                Checked(options, IDC_KIND_CUSTOM) * 4,
            2)
      << "the dialog opens at maximum";
  for (int id = IDC_TYPE0_CHECK; id <= IDC_TYPE4_CHECK; ++id) {
    EXPECT_EQ(Checked(options, id), 1) << id;
    EXPECT_EQ(Enabled(options, id), id >= IDC_TYPE2_CHECK) << id;
  }
  // The sample's files (game.exe staged at 65,536 bytes) and its two sets.
  const wchar_t* const sizes[] = {L"1.36M", L"1.88M", L"0.06M", L"1.06M",
                                  L"0.22M", L"0.17M", L"0.35M"};
  for (int i = 0; i < 7 && sampleSizes; ++i) {
    int id = i < 2 ? IDC_SIZE_MINIMUM + i : IDC_SIZE_TYPE0 + i - 2;
    EXPECT_EQ(ItemText(options, id), sizes[i]) << "size label " << id;
  }
  EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));
  return options;
}

void LauncherTest::StartInstall(HWND options, const std::wstring& folder, int kindId) {
  SetItemText(options, IDC_FOLDER_EDIT, folder);
  if (kindId != 0) {
    Click(options, kindId);
    EXPECT_TRUE(WaitUntil([&] { return Checked(options, kindId) == 1; }, 10000));
  }
  Click(options, IDOK);
  WaitForDestroyed(options, kWindowWait);
}

void LauncherTest::AnswerFolderQuestion(bool create, const std::wstring& folder, Answer answer) {
  HWND box = Wait(create ? L"フォルダの作成" : L"インストールフォルダの決定", IDC_MESSAGE_TEXT);
  EXPECT_EQ(ItemText(box, IDC_MESSAGE_TEXT),
            create ? folder + L"のフォルダを作成してもいいですか？"
                   : folder + L"\nにインストールします。よろしいですか？");
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  Click(box, answer == Answer::Yes ? IDOK : IDCANCEL);
  WaitForDestroyed(box, kWindowWait);
}

HWND LauncherTest::WaitForCopy() { return Wait(kCopyCaption, IDC_MESSAGE_TEXT); }

std::vector<std::wstring> LauncherTest::FinishCopy(HWND copy) {
  copy = copy != nullptr ? copy : WaitForCopy();
  EXPECT_EQ(GetWindow(copy, GW_OWNER), nullptr);
  std::vector<std::wstring> failures;
  auto over = [&] {
    HWND box = FindWindowOf(launcher.Id(), kCopyFailure, IDOK);
    if (box != nullptr) {
      std::wstring shown;
      for (const std::wstring& text : StaticTexts(box)) {
        shown = text.find(L"のファイルコピーができません。") != std::wstring::npos ? text : shown;
      }
      failures.push_back(shown);
      EXPECT_EQ(GetWindow(box, GW_OWNER), copy) << "the failure box belongs to the copy dialog";
      Click(box, IDOK);
      WaitForDestroyed(box, kWindowWait);
    }
    return !IsWindow(copy);
  };
  if (!WaitUntil(over, 240000)) {
    throw WindowError(L"the copy pass did not end; windows shown:" + VisibleWindows(launcher.Id()));
  }
  Sync(main);
  return failures;
}

void LauncherTest::InstallThrough(const std::wstring& folder, int kindId, bool folderIsNew) {
  StartInstall(OpenOptions(), folder, kindId);
  AnswerFolderQuestion(folderIsNew, folder, Answer::Yes);
  std::vector<std::wstring> failures = FinishCopy();
  EXPECT_TRUE(failures.empty()) << Utf8(failures.empty() ? L"" : failures[0]);
}

void LauncherTest::AnswerMessageBox(const wchar_t* caption, const std::wstring& text) {
  HWND box = Wait(caption, IDOK);
  std::vector<std::wstring> texts = StaticTexts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << Utf8(text);
  EXPECT_EQ(GetWindow(box, GW_OWNER), main);
  HWND cancel = GetDlgItem(box, IDCANCEL);
  EXPECT_TRUE(cancel == nullptr || !IsWindowVisible(cancel)) << "only an OK button";
  Click(box, IDOK);
  WaitForDestroyed(box, kWindowWait);
}

HWND LauncherTest::OpenUninstall() {
  Click(main, IDC_UNINSTALL_BUTTON);
  HWND box = Wait(kTitle, IDC_KEEP_SAVES);
  EXPECT_EQ(ItemText(box, IDC_MESSAGE_TEXT), L"アンインストールしてよろしいですか？");
  EXPECT_EQ(ItemText(box, IDC_KEEP_SAVES), L"SAVEファイルを残す");
  EXPECT_EQ(Checked(box, IDC_KEEP_SAVES), 1);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  return box;
}

}  // namespace e2e
