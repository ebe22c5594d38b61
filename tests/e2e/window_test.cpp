// One command at a time, INSTALL's folder browser, the developer boxes of an undeclared type.
#include <shlobj.h>

#include "launcher_test.h"

namespace e2e {

using Window = LauncherTest;

// A visible window owned by `owner`: the folder browser has no fixed caption.
HWND OwnedWindow(HWND owner) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
    if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// While a flow's dialog runs, Install and the close box do nothing and answer at once; the
// main window brought to the front hands it to the open dialog (never seeming frozen); a
// second launcher for the same key shows no window, brings the first's to the front and ends.
TEST_F(Window, OneCommandAtATime) {
  auto startSecond = [&] {
    Process second;
    Start(second, L"Q:\\setup.exe", L"C:\\");
    bool shown = false;  // any window of its own, until it ends
    WaitUntil(
        [&] {
          shown = shown || FindWindowOf(second.Id(), nullptr, 0);
          return WaitForSingleObject(second.process.hProcess, 0) == WAIT_OBJECT_0;
        },
        20000);
    DWORD code = 1;
    GetExitCodeProcess(second.process.hProcess, &code);
    Stop(second);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(shown);
  };
  StartToMain();
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main); }, 10000));
  startSecond();
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 10000));
  HWND options = OpenOptions();
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
  Press(options, IDCANCEL);
  SetForegroundWindow(main);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 10000))
      << "with no dialog open the main window stays in front";
  Exit(kCloseBox, IDOK);
}

// Browse opens the folder browser in its modern form; OK puts the folder it shows (the
// desktop), with PATH below it, into the field; Cancel leaves the field as it was.
TEST_F(Window, BrowseForTheParentFolder) {
  StartToMain();
  HWND options = OpenOptions();
  wchar_t desktop[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  const std::pair<int, std::wstring> answers[] = {{IDCANCEL, L"c:\\Games\\HOSHIMI"},
                                                  {IDOK, std::wstring(desktop) + L"\\HOSHIMI"}};
  for (const auto& [answer, field] : answers) {
    Click(options, IDC_BROWSE);
    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (browser = OwnedWindow(options)); }, kWait));
    // Resizable, the prompt (item 0x3742), the new-folder button (0x3746).
    EXPECT_TRUE(GetWindowLongW(browser, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(ItemText(browser, 0x3742), L"選択したフォルダの下にHOSHIMIを作成します");
    EXPECT_TRUE(Enabled(browser, 0x3746));
    Press(browser, answer);
    EXPECT_EQ(ItemText(options, IDC_FOLDER_EDIT), field) << answer;
  }
  Press(options, IDCANCEL);
}

// A file group under a type the disc never declares: two boxes captioned TEST during loading,
// owned by nothing, then the launcher starts as usual.
TEST_F(Window, UndeclaredTypeShowsTheDeveloperBoxes) {
  EditDiscSetup({{L"[]\r\n##", L"[NOPE]\r\nextra.dat\r\n[]\r\n##"}});
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  Press(Box(L"TEST", IDOK, L"not list type", nullptr), IDOK);
  Press(Box(L"TEST", IDOK, L"[NOPE]", nullptr), IDOK);
  main = Wait(kTitle, IDC_INSTALL_BUTTON);
  Sync(main);
  ExpectButtons(false);
}

}  // namespace e2e
