// The end-to-end fixture: setup.exe from the sample disc in Q:, its dialogs, what it leaves.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "resources/resource_ids.h"
#include "window_toolkit.h"

namespace e2e {

using namespace toolkit;
namespace fs = std::filesystem;
using Texts = std::vector<std::wstring>;

inline const wchar_t kTitle[] = L"星見の丘";
inline const wchar_t kProductKey[] = L"Software\\ほしみ工房\\HOSHIMI";
const DWORD kWait = 60000, kMinimumMask = 0x07, kMaximumMask = 0x1F;

// The sample's typed FILE entries in order, with the sub-folder each is the first to need.
struct DiscFile {
  const wchar_t* path;
  int type;
  const wchar_t* newFolder;
};
// clang-format off
inline const DiscFile kFiles[10] = {
    {L"game.exe", 0, nullptr}, {L"sound\\bgm01.dat", 1, L"sound\\"},
    {L"sound\\bgm02.dat", 1, nullptr}, {L"sound\\se\\click.dat", 1, L"sound\\se\\"},
    {L"data\\script.dat", 2, L"data\\"}, {L"data\\map\\field.dat", 2, L"data\\map\\"},
    {L"cg16\\event01.dat", 3, L"cg16\\"}, {L"cg16\\表紙.dat", 3, nullptr},
    {L"cg24\\event01.dat", 4, L"cg24\\"}, {L"cg24\\表紙.dat", 4, nullptr}};
// clang-format on

inline std::wstring Setting(const wchar_t* name) {  // from the environment run-e2e.sh sets
  wchar_t value[1024] = {};
  GetEnvironmentVariableW(name, value, 1024);
  return value;
}
inline std::wstring Target(const std::wstring& relative) {
  return Setting(L"E2E_TARGET") + L"\\" + relative;
}
inline std::wstring CopyFailure(const std::wstring& folder, const std::wstring& relative) {
  return L"Q:\\HOSHIMI\\" + relative + L" -> " + folder + L"\\" + relative +
         L"のファイルコピーができません。";
}
inline int ValueCount() {  // of the product key; -1 without the key
  HKEY key = nullptr;
  DWORD values = 0;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  RegQueryInfoKeyW(key, 0, 0, 0, 0, 0, 0, &values, 0, 0, 0, 0);
  RegCloseKey(key);
  return static_cast<int>(values);
}
inline std::string Raw(const void* data, size_t size) {
  return std::string(static_cast<const char*>(data), size);
}
// The record's four values through the wide API: UTF-16 texts, like the record without a zero.
inline std::vector<std::tuple<const wchar_t*, DWORD, std::string>> RecordOf(
    DWORD kind, DWORD mask, const std::wstring& folder) {
  return {{L"INSTFLAG", REG_DWORD, Raw(&kind, 4)},
          {L"INSTTYPE", REG_DWORD, Raw(&mask, 4)},
          {L"CDPATH", REG_SZ, Raw(L"Q:\\", 6)},
          {L"GAMEPATH", REG_SZ, Raw(folder.data(), folder.size() * 2)}};
}
inline void ExpectRecord(DWORD kind, DWORD mask, const std::wstring& folder) {
  for (const auto& [name, type, bytes] : RecordOf(kind, mask, folder)) {
    BYTE data[4096];
    DWORD size = sizeof data, found = 0;
    RegGetValueW(HKEY_CURRENT_USER, kProductKey, name, RRF_RT_ANY | RRF_NOEXPAND, &found, data,
                 &size);
    EXPECT_EQ(found, type) << Utf8(name);
    EXPECT_EQ(Raw(data, found ? size : 0), bytes) << Utf8(name);
  }
  EXPECT_EQ(ValueCount(), 4);
}
inline std::string Cp932(const std::wstring& text) {
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(WideCharToMultiByte(932, 0, text.data(), text.size(), bytes.data(), bytes.size(),
                                   nullptr, nullptr));
  return bytes;
}
inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(fs::path(path), std::ios::binary);
  ASSERT_TRUE(out.write(bytes.data(), bytes.size()).flush()) << Utf8(path);
}
inline std::vector<std::wstring> Listing(const std::wstring& folder) {  // below it, sorted
  std::vector<std::wstring> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    found.push_back(entry.path().wstring().substr(folder.size()));
  }
  std::sort(found.begin(), found.end());
  return found;
}
// Copies of the read-only disc are read-only too: clear that before deleting.
inline void ClearFolder(const std::wstring& folder) {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  for (const auto& entry : fs::directory_iterator(folder, error)) fs::remove_all(entry, error);
}
inline void ExpectInstalledFiles(const std::wstring& folder, DWORD mask) {
  EXPECT_FALSE(fs::exists(folder + L"\\はじめに.txt")) << "a file of no type is not copied";
  for (const DiscFile& file : kFiles) {
    std::wstring target = folder + L"\\" + file.path;
    bool copied = ReadBytes(target) == ReadBytes(std::wstring(L"Q:\\HOSHIMI\\") + file.path);
    EXPECT_EQ(copied ? GetFileAttributesW(target.c_str()) : 0, (mask >> file.type) & 1 ? 0x20 : 0)
        << Utf8(target) << ": copied, and writable";
  }
}
// The log, code page 932: parent, folder, the new sub-folders of the first `files` selected.
inline void ExpectLog(const std::wstring& parent, const std::wstring& folder, DWORD mask,
                      int files) {
  std::wstring text = parent + L"\n" + folder + L"\n";
  for (const DiscFile& file : kFiles) {
    if (((mask >> file.type) & 1) && files-- > 0 && file.newFolder) {
      text += folder + L"\\" + file.newFolder + L"\n";
    }
  }
  const std::string expected = Cp932(text);
  WaitUntil([&] { return ReadBytes(folder + L"\\hoshimi._md") == expected; }, 10000);
  EXPECT_EQ(ReadBytes(folder + L"\\hoshimi._md"), expected) << Utf8(text);
}

// A top-down 32-bit bitmap of area's size; given a window, what the screen shows there.
struct Canvas {
  explicit Canvas(RECT area, HWND window = nullptr)
      : width(area.right - area.left), height(area.bottom - area.top), dc(CreateCompatibleDC(0)) {
    BITMAPINFO info = {header, {}};
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), 0, 0);
    previous = SelectObject(dc, bitmap);
    if (!window) return;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    HDC screen = GetDC(nullptr);
    BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  // The box around the dark pixels.
  RECT InkBox() {
    GdiFlush();
    RECT box = {width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if ((bits[y * width + x] & 0x808080) == 0) {  // each of red, green, blue below 0x80
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                 std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        }
      }
    }
    return box;
  }
  int width, height;
  BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previous;
  DWORD* bits = nullptr;
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A run meant for one ANSI code page under another locale would test nothing.
    std::wstring codePage = Setting(L"E2E_ANSI_CODE_PAGE");
    ASSERT_TRUE(codePage.empty() || codePage == std::to_wstring(GetACP())) << GetACP();
    SetEnvironmentVariableW(L"GAME_STUB_SILENT", L"1");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ほしみ工房");
    ASSERT_EQ(ValueCount(), -1);
    ClearFolder(Target(L""));
    ClearFolder(L"S:\\");
  }
  void TearDown() override {
    Stop(launcher);
    PutDiscFilesBack();
  }

  void PutDiscFilesBack() {  // the last moved first: it may hold one moved before
    for (; !movedAway.empty(); movedAway.pop_back()) {
      DeleteFileW(movedAway.back().c_str());
      MoveFileW((movedAway.back() + L".away").c_str(), movedAway.back().c_str());
    }
  }
  // A disc file moved away through Z: (Q: is read-only), bytes put in its place if given.
  void ReplaceDiscFile(const std::wstring& relative, std::optional<std::string> bytes = {}) {
    const std::wstring path = Setting(L"E2E_DISC") + L"\\" + relative;
    movedAway.push_back(path);
    ASSERT_TRUE(MoveFileW(path.c_str(), (path + L".away").c_str())) << Utf8(path);
    if (bytes) WriteBytes(path, *bytes);
  }
  // The disc's setup.ini with each byte text replaced once.
  void EditDiscSetup(const std::vector<std::pair<std::string, std::string>>& replacements) {
    std::string text = ReadBytes(Setting(L"E2E_DISC") + L"\\setup.ini");
    for (const auto& [from, to] : replacements) {
      ASSERT_NE(text.find(from), std::string::npos) << from;
      text.replace(text.find(from), from.size(), to);
    }
    ReplaceDiscFile(L"setup.ini", text);
  }
  // Fills S: (4 MiB) until exactly `free` bytes, a multiple of its 4 KiB pages, stay free.
  std::string LeaveFree(ULONGLONG free) {
    ULARGE_INTEGER now{};
    GetDiskFreeSpaceExW(L"S:\\", &now, nullptr, nullptr);
    const std::string fill(now.QuadPart - free, 'f');
    WriteBytes(L"S:\\filler.bin", fill);
    GetDiskFreeSpaceExW(L"S:\\", &now, nullptr, nullptr);
    EXPECT_EQ(now.QuadPart, free);
    return fill;
  }
  HWND Wait(const wchar_t* caption, int childId) {
    return WaitForWindow(launcher, caption, childId, kWait);
  }
  void StartToMain() {
    Start(launcher, L"Q:\\setup.exe", L"C:\\");  // from C:\: it must find its disc itself
    main = Wait(kTitle, IDC_INSTALL_BUTTON);
    Sync(main);  // its buttons are made before it takes messages
  }
  void Press(HWND window, int id) {
    id == IDCLOSE ? RequestClose(window) : Click(window, id);
    WaitForDestroyed(window, kWait);
    if (IsWindow(main)) Sync(main);
  }
  HWND Box(const wchar_t* caption, int childId, const std::wstring& text, HWND owner) {
    HWND box = Wait(caption, childId);
    EXPECT_EQ(ItemText(box, childId == IDOK ? 0xFFFF : IDC_MESSAGE_TEXT), text);
    EXPECT_EQ(GetWindow(box, GW_OWNER), owner) << Utf8(caption);
    return box;
  }
  void ExpectButtons(bool installed) {
    auto shown = [&] {
      return Enabled(main, IDC_INSTALL_BUTTON) != installed &&
             Enabled(main, IDC_UNINSTALL_BUTTON) == installed &&
             Enabled(main, IDC_RUN_GAME_BUTTON) == installed && Enabled(main, IDC_EXIT_BUTTON);
    };
    EXPECT_TRUE(WaitUntil(shown, 10000)) << "buttons of an install " << installed;
  }
  void ExpectFocus(int id) {  // keys act once the launcher takes them: wait for the focus
    WaitUntil([&] { return GetDlgCtrlID(Focus(launcher)) == id; }, 10000);
    EXPECT_EQ(GetDlgCtrlID(Focus(launcher)), id);
  }
  enum Leave { kExitButton, kCloseBox, kEscape };
  void Exit(Leave how, int answer, const std::wstring& title = kTitle) {
    how == kEscape ? PressKey(VK_ESCAPE)
                   : (how == kCloseBox ? RequestClose(main) : Click(main, IDC_EXIT_BUTTON));
    HWND box = Box(title.c_str(), IDC_MESSAGE_TEXT,
                   title + L" のセットアップを終了してよろしいですか？", main);
    EXPECT_EQ(ItemText(box, IDOK) + ItemText(box, IDCANCEL), L"はいいいえ");
    EXPECT_FALSE(IsWindowEnabled(main));
    Press(box, answer);
    EXPECT_TRUE(answer == IDOK ? WaitForExit(launcher, kWait) == 0
                               : IsWindowEnabled(main) && IsWindowVisible(main));
  }
  HWND OpenOptions(bool sampleSizes = true) {
    Click(main, IDC_INSTALL_BUTTON);
    HWND options = Wait(L"INSTALL", IDC_KIND_MINIMUM);
    EXPECT_EQ(Kinds(options), 2) << "opens at maximum";
    for (int id = IDC_TYPE0_CHECK; id <= IDC_TYPE4_CHECK; ++id) {
      EXPECT_EQ(Checked(options, id) * 2 + Enabled(options, id), 2 + (id >= IDC_TYPE2_CHECK));
    }
    // The sample's sets and types, game.exe staged at 65,536 bytes.
    const wchar_t* const sizes[] = {L"1.36M", L"1.88M", L"0.06M", L"1.06M",
                                    L"0.22M", L"0.17M", L"0.35M"};
    for (int i = 0; i < 7 && sampleSizes; ++i) {
      EXPECT_EQ(ItemText(options, IDC_SIZE_MINIMUM + i), sizes[i]);
    }
    EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr);
    return options;
  }
  int Kinds(HWND options) {  // 1 minimum, 2 maximum, 4 custom
    return Checked(options, IDC_KIND_MINIMUM) + Checked(options, IDC_KIND_MAXIMUM) * 2 +
           Checked(options, IDC_KIND_CUSTOM) * 4;
  }
  void Toggle(HWND dialog, int id, int state) {
    Click(dialog, id);
    EXPECT_TRUE(WaitUntil([&] { return Checked(dialog, id) == state; }, 10000)) << id;
  }
  // 開始 (Start) refused with a box owned by INSTALL, which stays open; no folder question.
  void ExpectRefused(HWND options, const std::wstring& folder, const wchar_t* caption,
                     const std::wstring& text) {
    SetItemText(options, IDC_FOLDER_EDIT, folder);
    Click(options, IDOK);
    Press(Box(caption, IDOK, text, options), IDOK);
    EXPECT_TRUE(IsWindowVisible(options) && !FindWindowOf(launcher.Id(), L"フォルダの作成", 0) &&
                !FindWindowOf(launcher.Id(), L"インストールフォルダの決定", 0))
        << Utf8(folder);
  }
  // 開始 with folder, then, unless answer is 0, the folder question the disk calls for.
  void StartInstall(HWND options, const std::wstring& folder, int answer = 0, int kindId = 0) {
    const bool exists = fs::is_directory(folder);
    SetItemText(options, IDC_FOLDER_EDIT, folder);
    if (kindId != 0) Toggle(options, kindId, 1);
    Press(options, IDOK);
    if (answer != 0) AnswerFolder(!exists, folder, answer);
  }
  void AnswerFolder(bool create, const std::wstring& folder, int answer) {
    Press(create ? Box(L"フォルダの作成", IDC_MESSAGE_TEXT,
                       folder + L"のフォルダを作成してもいいですか？", nullptr)
                 : Box(L"インストールフォルダの決定", IDC_MESSAGE_TEXT,
                       folder + L"\nにインストールします。よろしいですか？", nullptr),
          answer);
  }
  HWND CopyDialog(const wchar_t* file = L"") {  // once it names `file` as the one being copied
    HWND copy = Wait(L"インストール中です・・・", IDC_MESSAGE_TEXT);
    WaitUntil([&] { return ItemText(copy, IDC_MESSAGE_TEXT).find(file) != std::wstring::npos; },
              kWait);
    return copy;
  }
  // The pass to its end, failure boxes answered キャンセル; no step back, INSTFLAG unchanged.
  Texts FinishCopy(HWND copy = nullptr, DWORD recorded = 0) {
    copy = copy ? copy : CopyDialog();
    EXPECT_EQ(GetWindow(copy, GW_OWNER), nullptr);
    HWND bar = Item(copy, IDC_COPY_PROGRESS);
    Texts failures;
    int shown = 0;
    auto over = [&] {
      DWORD flag = 0, size = 4;
      RegGetValueW(HKEY_CURRENT_USER, kProductKey, L"INSTFLAG", RRF_RT_DWORD, 0, &flag, &size);
      int position = ProgressPosition(bar);
      // A dialog on its way out is hidden first, and its bar then reads 0: not a step back.
      if (IsWindowVisible(copy)) {
        EXPECT_GE(position < 0 ? shown : position, shown) << "the bar moves back";
        shown = std::max(shown, position);
      }
      if (!IsWindow(copy)) return true;
      EXPECT_EQ(flag, recorded) << "the record changed while the pass runs";
      if (HWND box = FindWindowOf(launcher.Id(), L"ファイルコピー失敗", IDCANCEL)) {
        failures.push_back(ItemText(box, 0xFFFF));  // a message box's text
        EXPECT_EQ(GetWindow(box, GW_OWNER), copy);
        Press(box, IDCANCEL);
      }
      return false;
    };
    if (!WaitUntil(over, 240000, 1)) throw WindowError(L"the copy pass did not end");
    Sync(main);
    return failures;
  }
  void Install(const std::wstring& folder, int kindId) {
    StartInstall(OpenOptions(), folder, IDOK, kindId);
    EXPECT_EQ(FinishCopy(), Texts{});
    ExpectButtons(true);
  }
  // The question answered, the saves too unless kept; a run to be killed is not waited for.
  void Uninstall(bool keepSaves, int answer = IDOK, bool wait = true) {
    Click(main, IDC_UNINSTALL_BUTTON);
    HWND box = Box(kTitle, IDC_KEEP_SAVES, L"アンインストールしてよろしいですか？", nullptr);
    EXPECT_EQ(ItemText(box, IDC_KEEP_SAVES) + std::to_wstring(Checked(box, IDC_KEEP_SAVES)),
              L"SAVEファイルを残す1");
    if (!keepSaves) Toggle(box, IDC_KEEP_SAVES, 0);
    wait ? Press(box, answer) : Click(box, answer);
  }

  Process launcher;
  HWND main = nullptr;
  std::vector<std::wstring> movedAway;
};

}  // namespace e2e
