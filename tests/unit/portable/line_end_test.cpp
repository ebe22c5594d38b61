#include "setup_source/line_end.h"

#include <gtest/gtest.h>

#include <string>

TEST(LineEnd, BlanksAndLineEndsGo) {
  // clang-format off
  const char* trims[][2] = {{"game.exe \t\r\n", "game.exe"}, {"  a b  ", "  a b"}, {"   \n", ""},
                            {"", ""}, {"表\n", "表"}, {"\xb1 \n", "\xb1"}, {"a\r\rb\r", "a\r\rb"}};
  // clang-format on
  for (const auto& c : trims) {
    std::string text = c[0];
    TrimLineEnd(&text[0]);
    EXPECT_STREQ(text.c_str(), c[1]) << c[0];
  }
}
