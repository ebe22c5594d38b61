// Texts from setup.ini are shown whatever encoding the disc's author saved it in: each byte
// that is not code page 932 is marked and the rest shown as the system decodes it.
#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "platform/windows_folder.h"

TEST(ShownText, EachUndecodableByteIsMarked) {
  const struct {
    const char* bytes;
    size_t cap;
    const wchar_t* shown;
  } cases[] = {
      {"星見の丘", 1024, L"星見の丘"},
      // 星見の丘 saved as UTF-8: 0x81 0xAE is no character, and 0x98 ends without its pair.
      {"\xE6\x98\x9F\xE8\xA6\x8B\xE3\x81\xAE\xE4\xB8\x98", 1024, L"譏溯ｦ九\xFFFDｮ荳\xFFFD"},
      {"A\x81 B", 1024, L"A\xFFFD B"},  // a first byte without a second keeps the blank after
      {"ゲ\x82", 1024, L"ゲ\xFFFD"},
      {"\xE6\x98\x9F\xE8\xA6\x8B", 4, L"譏溯ｦ"},  // cut at a whole character
      {"A\x81 B", 3, L"A\xFFFD"},
      {"", 1024, L""},
  };
  for (const auto& c : cases) {
    wchar_t shown[1024];
    ToWideShown(c.bytes, shown, c.cap);
    EXPECT_STREQ(shown, c.shown) << c.bytes;
  }
  wchar_t strict[16];
  EXPECT_FALSE(ToWide("A\x81 B", strict, 16)) << "names are never guessed at";
}

TEST(WindowsFolder, AsTheSystemNamesIt) {
  char folder[64];
  ASSERT_TRUE(OsGetWindowsFolder(folder, sizeof folder));
  EXPECT_STREQ(folder, "C:\\windows");  // Wine's own
  EXPECT_FALSE(OsGetWindowsFolder(folder, 8));
  EXPECT_STREQ(folder, "");
}
