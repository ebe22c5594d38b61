// The type setup-check --init gives a file of the game folder.
#include "init_files.h"

#include <gtest/gtest.h>

#include "init_draft.h"

TEST(InitFiles, OneRuleByPlaceAndExtension) {
  const std::pair<const char*, DraftType> cases[] = {
      {"game.exe", kDraftExe},       {"LIB.DLL", kDraftExe},        {"bin\\tool.exe", kDraftData},
      {"Sound\\a.dat", kDraftSound}, {"data\\bgm.wav", kDraftData}, {"CG16\\x\\y.bmp", kDraftCg16},
      {"cg24\\a.png", kDraftCg24},   {"cg240\\a.png", kDraftData},  {"music\\a.OGG", kDraftSound},
      {"a.mid", kDraftSound},        {"sound.dat", kDraftData},     {"表\\a.mp3", kDraftSound},
      {"表\\a.exe", kDraftData},     {"readme", kDraftData},
  };
  for (const auto& [line, type] : cases) EXPECT_EQ(DraftTypeOf(line), type) << line;
}
