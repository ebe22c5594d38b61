// The three conversions between code page 932 and UTF-16.
#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "path/path_characters.h"

// Texts shown from setup.ini mark each byte that is not code page 932, where a name fails.
TEST(WideText, ShownMarksEachUndecodableByte) {
  const std::tuple<const char*, size_t, const wchar_t*> cases[] = {
      {"A\x81 B", 1024, L"A\xFFFD B"},  // a first byte without its second; the blank stays
      {"ゲ\x82", 1024, L"ゲ\xFFFD"},
      {"\xE6\x98\x9F\xE8\xA6\x8B", 4, L"譏溯ｦ"},  // cut at a whole character
  };
  for (const auto& [bytes, cap, expected] : cases) {
    wchar_t shown[1024];
    ToWideShown(bytes, shown, cap);
    EXPECT_STREQ(shown, expected) << bytes;
    EXPECT_FALSE(ToWideStrict(bytes, shown, 1024)) << "as a name it fails";
  }
}

// A typed folder with characters code page 932 lacks, or too long, comes back unusable.
TEST(WideText, MarkedConvertsOrMarksEveryCharacter) {
  // Typed, the room for it, what comes back and how.
  const std::tuple<const wchar_t*, size_t, const char*, MarkedText> cases[] = {
      {L"D:\\ゲーム\\表", 1024, "D:\\ゲーム\\表", kMarkedExact},
      {L"C:\\\xAC8C\xC784\\GAME", 1024, "C:\\??\\GAME", kMarkedWithQuestionMarks},  // Korean
      {L"C:\\\xD83C\xDFAE", 1024, "C:\\?", kMarkedWithQuestionMarks},  // beyond the BMP
      {L"C:\\ゲ\x00E9", 1024, "C:\\ゲ?", kMarkedWithQuestionMarks},  // é has no code page 932 form
      {L"", 1024, "", kMarkedExact},
      // A cut falls between characters: six bytes fit in 8, the next ー would not.
      {L"ABC\xAC8Cゲーム", 8, "ABC?ゲ", kMarkedCut},
      {L"ABCゲー", 8, "ABCゲー", kMarkedExact},  // exactly full
  };
  for (const auto& [typed, cap, expected, result] : cases) {
    char out[kPathSize];
    EXPECT_EQ(FromWideMarked(typed, out, cap), result) << expected;
    EXPECT_STREQ(out, expected);
  }
}
