// A typed folder with characters code page 932 lacks comes back unusable, not another path.
#include <gtest/gtest.h>

#include "platform/win32/gui.h"

TEST(FieldText, ConvertsOrMarksEveryCharacter) {
  const struct {
    const wchar_t* typed;
    size_t cap;
    const char* expected;
    bool exact;
  } cases[] = {
      {L"D:\\ゲーム\\表", 1024, "D:\\ゲーム\\表", true},
      {L"C:\\\xAC8C\xC784\\GAME", 1024, "C:\\??\\GAME", false},  // Korean letters
      {L"C:\\\xD83C\xDFAE", 1024, "C:\\?", false},               // one character beyond the BMP
      {L"C:\\ゲ\x00E9", 1024, "C:\\ゲ?", false},                 // é has no code page 932 form
      {L"", 1024, "", true},
      // A cut falls between characters: seven bytes fit in 8, the next ー would not.
      {L"ABCゲーム", 8, "ABCゲー", true},
      {L"ABC\xAC8Cゲーム", 8, "ABC?ゲ", false},
  };
  for (const auto& c : cases) {
    char out[1024];
    EXPECT_EQ(GuiToCodePage932Marked(c.typed, out, c.cap), c.exact) << c.expected;
    EXPECT_STREQ(out, c.expected);
  }
}
