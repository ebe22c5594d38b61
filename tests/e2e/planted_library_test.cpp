// DLLs named as Windows' own, planted beside setup.exe, never run; an override for setup.exe
// makes Wine look in the program's folder first, as Windows does.
#include "launcher_test.h"

namespace e2e {

HWND OwnedWindow(HWND owner);  // window_test.cpp

namespace {

// Not ole32: set native-first, Wine takes it from the program's folder whatever the launcher
// asks; Windows always takes it from the system folder.
const wchar_t* const kSystemLibraries[] = {L"comctl32.dll", L"shell32.dll"};
const wchar_t kOverrides[] = L"Software\\Wine\\AppDefaults\\setup.exe\\DllOverrides";

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

// The first dialog loads comctl32, the folder browser shell32: no planted one leaves its mark.
TEST_F(PlantedLibrary, SystemLibrariesAreNotTakenFromTheDisc) {
  wchar_t self[MAX_PATH] = {};
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
  Click(options, IDC_BROWSE);
  HWND browser = nullptr;
  // A planted shell refuses to load: the browser would never open.
  EXPECT_TRUE(WaitUntil([&] { return (browser = OwnedWindow(options)); }, 20000));
  std::wstring loaded;
  for (const auto& entry : fs::directory_iterator(marks)) loaded += entry.path().filename();
  EXPECT_EQ(loaded, L"") << "planted libraries that ran";
  if (browser) Press(browser, IDCANCEL);
  Press(options, IDCANCEL);
}

}  // namespace e2e
