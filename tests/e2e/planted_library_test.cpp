// DLLs named as Windows' own, planted beside setup.exe, never run; an override for setup.exe
// makes Wine look in the program's folder first, as Windows does. INSTALL's folder browser.
#include <shlobj.h>

#include "launcher_test.h"

namespace e2e {

namespace {

// Not ole32: Wine loads a native-first one from anywhere, Windows only from the system folder.
const wchar_t* const kSystemLibraries[] = {L"comctl32.dll", L"shell32.dll"};
const wchar_t kOverrides[] = L"Software\\Wine\\AppDefaults\\setup.exe\\DllOverrides";

// A visible window owned by `owner`: the folder browser has no fixed caption.
HWND OwnedWindow(HWND owner) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
    if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

class PlantedLibrary : public LauncherTest {
 protected:
  void TearDown() override {
    LauncherTest::TearDown();
    for (const wchar_t* name : kSystemLibraries) DeleteFileW(Planted(name).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kOverrides);
    SetEnvironmentVariableW(L"E2E_PLANTED_MARKS", nullptr);
  }
  static std::wstring Planted(const wchar_t* name) { return Setting(L"E2E_DISC") + L"\\" + name; }
};

}  // namespace

// The first dialog loads comctl32, the folder browser shell32: no planted one leaves its mark. The
// browser resizes, has its prompt and a new-folder button; OK puts its folder\PATH in the field.
TEST_F(PlantedLibrary, SystemLibrariesAreNotTakenFromTheDisc) {
  wchar_t self[MAX_PATH] = {}, desktop[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const fs::path library = fs::path(self).parent_path() / L"planted_library.dll";
  for (const wchar_t* name : kSystemLibraries) {
    ASSERT_TRUE(CopyFileW(library.c_str(), Planted(name).c_str(), FALSE)) << Utf8(name);
  }
  const std::wstring marks = Target(L"marks");
  fs::create_directories(marks);
  SetEnvironmentVariableW(L"E2E_PLANTED_MARKS", marks.c_str());
  for (const wchar_t* name : {L"comctl32", L"shell32"}) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, name, REG_SZ, L"native,builtin", 30),
              ERROR_SUCCESS);
  }

  StartToMain();
  HWND options = OpenOptions();
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  const std::pair<int, std::wstring> answers[] = {{IDCANCEL, L"c:\\Games\\HOSHIMI"},
                                                  {IDOK, std::wstring(desktop) + L"\\HOSHIMI"}};
  for (const auto& [answer, field] : answers) {
    Click(options, IDC_BROWSE);
    HWND browser = nullptr;
    // A planted shell refuses to load: the browser would never open.
    ASSERT_TRUE(WaitUntil([&] { return (browser = OwnedWindow(options)); }, kWait));
    EXPECT_TRUE(GetWindowLongW(browser, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(ItemText(browser, 0x3742), L"選択したフォルダの下にHOSHIMIを作成します");
    EXPECT_TRUE(Enabled(browser, 0x3746)) << "the new-folder button";
    Press(browser, answer);
    EXPECT_EQ(ItemText(options, IDC_FOLDER_EDIT), field) << answer;
  }
  std::wstring loaded;
  for (const auto& entry : fs::directory_iterator(marks)) loaded += entry.path().filename();
  EXPECT_EQ(loaded, L"") << "planted libraries that ran";
  Press(options, IDCANCEL);
}

}  // namespace e2e
