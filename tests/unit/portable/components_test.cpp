#include "path/components.h"

#include <gtest/gtest.h>
#include <string.h>

#include <utility>

// What Windows reads as ".", ".." or with its blanks dropped, never as a name of its own.
TEST(Components, DotsAndBlanksOnly) {
  const std::pair<const char*, bool> cases[] = {
      {".", true},   {"..", true},        {"...", true}, {". .", true}, {"   ", true},
      {" ..", true}, {"", false},         {".a", false}, {"a.", false}, {". a", false},
      {"表", false}, {"\x81\x40", false},  // the full-width blank is a character of its own
  };
  for (const auto& [component, expected] : cases) {
    EXPECT_EQ(IsDotsAndBlanksOnly(component, strlen(component)), expected) << component;
  }
}
