#include "setup_source/setting_rules.h"

#include <gtest/gtest.h>

#include <vector>

// A hand-written disc must not name a place outside the game's folder or key.
TEST(SettingRules, WhatEachSettingMayName) {
  const struct {
    bool (*rule)(const char* value);
    std::vector<const char*> accepted, refused;
  } cases[] = {
      // clang-format off
      {IsSingleFileName, {"x.log ", "表.log", "CONX", "a b"},  // MD
       {"", "..\\docs\\thesis.txt", "a/b", "c:x", "..", ".", "   ", "Nul.txt", "com1", "LPT9 .x"}},
      {IsPathInGameFolder, {"bin\\game.exe", "\tgame.exe", "a b\\game.exe"},  // EXE
       {"", "\\game.exe", "/g.exe", "c:g.exe", ".\\g.exe", "a\\..\\..\\g", "bin\\",
        "a\\.\\game.exe", "a\\   \\game.exe", "a\\ . \\game.exe", "ｿ\\..\\g.exe"}},
      {IsGameFolderName, {"", "ソ", "SAMPLE\\"}, {"A\\\\", "\\", "..", "d:\\x"}},  // PATH
      {IsRegistryKeyName, {"表", "Run", "Microsoft"},  // REG_S and REG_T
       {"", "Microsoft\\Windows\\CurrentVersion", "a\\b", "ｷ\\x"}},
      {IsRegistryKeyPath, {"Software", "SOFTWARE\\Microsoft2", "Software\\A\\Microsoft"},  // REG_P
       {"", "\\Software", "Software\\", "Software\\\\B", "Software\\ｷ\\\\B", "Softwares", "System",
        "Software\\Microsoft", "software\\CLASSES\\x", "Software\\Policies",
        "Software\\wow6432node"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    for (const char* value : c.accepted) EXPECT_TRUE(c.rule(value)) << value;
    for (const char* value : c.refused) EXPECT_FALSE(c.rule(value)) << value;
  }
}
