// Texts shown from setup.ini mark each byte that is not code page 932, where a name fails.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/win32/wide_text.h"

TEST(ShownText, EachUndecodableByteIsMarked) {
  const std::tuple<const char*, size_t, const wchar_t*> cases[] = {
      {"A\x81 B", 1024, L"A\xFFFD B"},  // a first byte without its second; the blank stays
      {"ゲ\x82", 1024, L"ゲ\xFFFD"},
      {"\xE6\x98\x9F\xE8\xA6\x8B", 4, L"譏溯ｦ"},  // cut at a whole character
  };
  for (const auto& [bytes, cap, expected] : cases) {
    wchar_t shown[1024];
    ToWideShown(bytes, shown, cap);
    EXPECT_STREQ(shown, expected) << bytes;
    EXPECT_FALSE(ToWide(bytes, shown, 1024)) << "as a name it fails";
  }
}
