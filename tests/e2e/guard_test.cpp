// What guards the player at start-up from a setup.ini its developer got wrong.
#include "launcher_test.h"

namespace e2e {

using Guard = LauncherTest;

// A file group under a type the disc never declares: two boxes captioned TEST during loading,
// owned by nothing. 星見の丘 saved as UTF-8 is not code page 932 (0x81 0xAE names no
// character, 0x98 lacks its second byte): the window comes all the same, class, caption and
// exit question marked.
TEST_F(Guard, UndeclaredTypeAndUndecodableTitleStillShowTheWindow) {
  const std::wstring title = L"譏溯ｦ九\xFFFDｮ荳\xFFFD";
  EditDiscSetup({{"[]\r\n##", "[NOPE]\r\nextra.dat\r\n[]\r\n##"},
                 {"#TITLE " + Cp932(kTitle), "#TITLE " + Utf8(kTitle)}});
  Start(launcher, L"Q:\\setup.exe", L"C:\\");
  Press(Box(L"TEST", IDOK, L"not list type", nullptr), IDOK);
  Press(Box(L"TEST", IDOK, L"[NOPE]", nullptr), IDOK);
  main = Wait(title.c_str(), IDC_INSTALL_BUTTON);
  Sync(main);  // its buttons are made before it takes messages
  wchar_t className[64] = L"";
  GetClassNameW(main, className, 64);
  EXPECT_EQ(className, title);
  ExpectButtons(false);
  RequestClose(main);
  Press(Box(title.c_str(), IDC_MESSAGE_TEXT, title + L" のセットアップを終了してよろしいですか？",
            main),
        IDOK);
  EXPECT_EQ(WaitForExit(launcher, kWait), 0u);
}

}  // namespace e2e
