#include "install/folder_creation.h"

#include "install_folder.h"

using FolderCreation = InstallFolder;

// The install flows show what 1, 0 and -1 mean; these are the paths no flow reaches. A refused
// level was logged first; the levels made above it go again, having no log.
TEST_F(FolderCreation, ByWholeCharactersLoggedParentsFirstTakenBackIfRefused) {
  // No folder is named after the first byte of 表 or ソ alone.
  EXPECT_EQ(CreateFolderPath("W:\\inst\\ゲーム\\表\\ソ\\"), 1);
  EXPECT_EQ(CreateFolderPath("W:\\inst\\ｿﾌﾄ\\GAME"), 1);  // ﾄ is one byte, then a separator
  // Windows makes no folder past 247 characters, whatever their bytes; a longer one is not cut.
  std::string kanji80;
  for (int i = 0; i < 80; ++i) kanji80 += "表";
  EXPECT_EQ(CreateFolderPath(("W:\\inst\\" + kanji80 + "\\" + kanji80).c_str()), 1);
  EXPECT_EQ(CreateFolderPath(("W:\\inst\\" + std::string(240, 'x')).c_str()), 0);
  const std::string refused = RefusedName();
  const std::string game = "W:\\inst\\ｿﾌﾄ\\GAME";  // made and empty: it stays
  EXPECT_EQ(CreateFolderPath((game + "\\new\\表\\" + refused + "\\GAME").c_str()), 0);
  EXPECT_FALSE(Exists((game + "\\new").c_str()));
  EXPECT_TRUE(Exists(game.c_str()) && Exists("W:\\inst\\ゲーム\\表\\ソ"));
  // On disk as soon as made, with no write at the end.
  EXPECT_EQ(ReadBytes(kLogPath),
            "W:\\inst\\ゲーム\nW:\\inst\\ゲーム\\表\nW:\\inst\\ゲーム\\表\\ソ\n"
            "W:\\inst\\ｿﾌﾄ\nW:\\inst\\ｿﾌﾄ\\GAME\nW:\\inst\\" +
                kanji80 + "\nW:\\inst\\" + kanji80 + "\\" + kanji80 + "\n" + game + "\\new\n" +
                game + "\\new\\表\n" + game + "\\new\\表\\" + refused + "\n");
}
