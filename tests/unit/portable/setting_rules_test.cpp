#include "setup_source/setting_rules.h"

#include <gtest/gtest.h>

// A component of dots and blanks only names another folder on Windows, wherever it stands.
TEST(SettingRules, NoComponentOfDotsAndBlanks) {
  const std::pair<const char*, bool> cases[] = {
      {"bin\\game.exe", true},     {"a b\\game.exe", true},     {"a\\.\\game.exe", false},
      {"a\\   \\game.exe", false}, {"a\\ . \\game.exe", false},
  };
  for (const auto& [value, accepted] : cases)
    EXPECT_EQ(IsPathInGameFolder(value), accepted) << value;
  EXPECT_FALSE(IsSingleFileName("   "));
  EXPECT_TRUE(IsSingleFileName("a b"));
}
