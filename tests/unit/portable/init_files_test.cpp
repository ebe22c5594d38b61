// The type setup-check --init gives a file of the game folder.
#include "init_files.h"

#include <gtest/gtest.h>

#include "init_draft.h"
#include "init_pictures.h"

TEST(InitFiles, OneRuleByPlaceAndExtension) {
  const std::pair<const char*, DraftType> cases[] = {
      {"LIB.DLL", kDraftExe},        {"bin\\tool.exe", kDraftData},  {"Sound\\a.dat", kDraftSound},
      {"data\\bgm.wav", kDraftData}, {"CG16\\x\\y.bmp", kDraftCg16}, {"cg24\\a.png", kDraftCg24},
      {"cg240\\a.png", kDraftCg24},  {"music\\a.OGG", kDraftSound},  {"a.mid", kDraftSound},
      {"sound.dat", kDraftData},     {"表\\a.mp3", kDraftSound},     {"表\\a.exe", kDraftData},
      {"readme", kDraftData},        {"op.JPG", kDraftCg24},         {"data\\a.bmp", kDraftData},
  };
  for (const auto& [line, type] : cases) EXPECT_EQ(DraftTypeOf(line), type) << line;
}

// The depth a picture's header gives (the --init test reads a BMP's), or 0 where it gives none.
TEST(InitFiles, PictureBitsFromTheHeader) {
  auto bytes = [](std::initializer_list<int> list) {
    std::string b;
    for (int c : list) b += static_cast<char>(c);
    return b;
  };
  std::string os2 = "BM" + std::string(12, '\0') + bytes({12, 0, 0, 0}) + std::string(4, '\0');
  os2 += bytes({1, 0, 8, 0});
  std::string png = "\x89PNG\r\n\x1a\n" + bytes({0, 0, 0, 13}) + "IHDR" + std::string(8, '\0');
  const std::pair<std::string, int> cases[] = {
      {os2, 8},
      {png + bytes({8, 2}), 24},   // RGB
      {png + bytes({8, 6}), 32},   // RGBA
      {png + bytes({8, 3}), 8},    // palette
      {png + bytes({16, 0}), 16},  // grey
      {png + bytes({8, 7}), 0},
      {bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8, 0, 1, 0, 1, 3}), 24},
      {bytes({0xFF, 0xD8, 0xFF, 0xC4, 0, 2, 0xFF, 0xC2, 0, 11, 8, 0, 1, 0, 1, 1}), 8},
      {"GIF89a", 0},
      {"BM", 0},
  };
  for (const auto& [header, bits] : cases) {
    EXPECT_EQ(PictureBits(reinterpret_cast<const unsigned char*>(header.data()), header.size()),
              bits)
        << header.size();
  }
}
