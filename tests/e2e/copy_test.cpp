// The copy pass on a disc taken out while the files are copied.
#include "launcher_test.h"

namespace e2e {

using CopyPass = LauncherTest;

// Mostly yellow pixels on the screen: the warning sign is the system's one yellow icon.
int YellowPixels(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  Canvas canvas(rect, window);
  return std::count_if(canvas.bits, canvas.bits + canvas.width * canvas.height, [](DWORD p) {
    return (p >> 16 & 0xFF) > 180 && (p >> 8 & 0xFF) > 150 && (p & 0xFF) < 100;
  });
}

// The disc's game folder renamed mid-copy: one warning box, owned by FILECOPY. キャンセル (Cancel)
// ends the pass, the files before kept, no record; 再試行 (Retry) after putting it back completes.
TEST_F(CopyPass, DiscTakenOutMidCopyIsRetriedOrEndsTheInstall) {
  const std::wstring parent = Target(L"away"), folder = parent + L"\\HOSHIMI";
  const std::wstring game = Setting(L"E2E_DISC") + L"\\HOSHIMI";
  // A long ninth file, so the pass cannot end before the folder is renamed.
  ReplaceDiscFile(L"HOSHIMI\\cg24\\event01.dat", std::string(32 << 20, 'b'));
  movedAway.push_back(game);  // the disc goes back in when the test ends early
  auto putBack = [&] { ASSERT_TRUE(MoveFileW((game + L".away").c_str(), game.c_str())); };
  StartToMain();
  for (bool retry : {false, true}) {
    SCOPED_TRACE(retry ? "再試行" : "キャンセル");
    StartInstall(OpenOptions(false), folder, IDOK);
    HWND copy = CopyDialog(L"bgm01");
    ASSERT_TRUE(MoveFileW(game.c_str(), (game + L".away").c_str()));
    HWND box = Wait(L"ファイルコピー失敗", IDRETRY);
    const std::wstring text = ItemText(box, 0xFFFF);
    int failed = 1;  // game.exe was copied before bgm01 was shown
    while (failed < 10 && text != CopyFailure(folder, kFiles[failed].path)) ++failed;
    EXPECT_LT(failed, 10) << Utf8(text);
    EXPECT_EQ(GetWindow(box, GW_OWNER), copy);
    EXPECT_EQ(ItemText(box, IDRETRY) + L"|" + ItemText(box, IDCANCEL), L"再試行(&R)|キャンセル");
    EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
    HWND icon = FindWindowExW(box, nullptr, L"Static", nullptr);  // the first static
    ASSERT_EQ(GetWindowLongW(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON) << "an icon";
    EXPECT_TRUE(WaitUntil([&] { return YellowPixels(icon) > 30; }, 10000)) << "the warning sign";
    if (retry) {
      putBack();
      Press(box, IDRETRY);
      EXPECT_EQ(FinishCopy(copy), Texts{});
      ExpectButtons(true);
      ExpectInstalledFiles(folder, kMaximumMask);
      ExpectRecord(2, kMaximumMask, folder);
      break;
    }
    Press(box, IDCANCEL);
    WaitForDestroyed(copy, kWait);
    Sync(main);
    EXPECT_EQ(FindWindowOf(launcher.Id(), L"ファイルコピー失敗", 0), nullptr) << "one box only";
    EXPECT_EQ(ValueCount(), 0) << "no record";
    ExpectButtons(false);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(fs::is_regular_file(folder + L"\\" + kFiles[i].path), i < failed) << i;
    }
    EXPECT_TRUE(fs::is_regular_file(folder + L"\\hoshimi._md")) << "the log";
    putBack();
  }
  Uninstall(false);
  ExpectButtons(false);
  EXPECT_FALSE(fs::exists(parent));
}

}  // namespace e2e
