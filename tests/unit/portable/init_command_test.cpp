// setup-check --init: the bytes it writes, once unless forced, and every refusal.
#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "scratch_folder.h"
#include "setup_check.h"

namespace {

namespace fs = std::filesystem;

const char kDraftAfterComment[] =
    "#TITLE \" 星見\"\r\n#PATH \" 星見\"\r\n#DEFDIR c:\\Games\r\n"
    "# MD：インストール先に作るフォルダの記録（アンインストールが読んで消します）\r\n"
    "#MD game._md\r\n#EXE Game.exe\r\n"
    "#REG_P Software\r\n#REG_S \" 星見\"\r\n#REG_T \" 星見\"\r\n\r\n#INSTALL_LST\r\n[EXE] "
    "実行ファイル\r\n"
    "[SOUND] ＳＯＵＮＤファイル\r\n[DATA] 基本データ\r\n[CG16] 画像データ（16bit）\r\n"
    "[CG24] 画像データ（24or32bit）\r\n##\r\n\r\n#INSTALL_S\r\n[EXE]\r\n[SOUND]\r\n[DATA]\r\n##\r\n"
    "\r\n#INSTALL_B\r\n[EXE]\r\n[SOUND]\r\n[DATA]\r\n[CG16]\r\n[CG24]\r\n##\r\n"
    "\r\n#INSTALL_C\r\n[EXE]\r\n[SOUND]\r\n[DATA]\r\n[CG16]\r\n[CG24]\r\n##\r\n"
    "\r\n#FILE\r\n[EXE]\r\nGame.exe\r\nsetup2.exe\r\n[SOUND]\r\nbgm\\曲.MP3\r\nSound\\表紙.ogg\r\n"
    "voice.wav\r\n[DATA]\r\nmovie.mpg\r\nはじめに.txt\r\n[CG16]\r\ncg16\\表紙.dat\r\ntitle.bmp\r\n"
    "[CG24]\r\nCG24\\a.bmp\r\nev.jpg\r\nop.png\r\n[]\r\n##\r\n";

class InitCommand : public ScratchFolder {
 protected:
  // A file of disc/game (or another), named in UTF-8; a name ending in / is an empty folder.
  void Add(const std::string& utf8, const char* game = "game", const std::string& bytes = "x") {
    fs::path path = folder_ / "disc" / fs::u8path(game) / fs::u8path(utf8);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // Runs setup-check --init on a game folder named in code page 932; stderr to *errors.
  int Init(bool force, std::string* errors, const char* game = "disc/game") {
    ResetSetupDescriptionToDefaults();
    const char* argv[] = {"setup-check", "--init", game, force ? "--force" : nullptr, nullptr};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int status = RunSetupCheck(force ? 4 : 3, const_cast<char**>(argv));
    *errors = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    OsSetCurrentFolder(folder_.string().c_str());
    return status;
  }
};

// The folder's leading blank, which a bare value would lose, is kept by quotes.
TEST_F(InitCommand, WritesTypedGroupsInNameOrderAndLoadsWithoutError) {
  // Pictures by the depth their headers give (ev.jpg has none), and a movie with the data.
  for (const char* name :
       {"Game.exe", "setup2.exe", u8"Sound/表紙.ogg", u8"bgm/曲.MP3", "voice.wav", u8"はじめに.txt",
        u8"cg16/表紙.dat", "CG24/a.bmp", "ev.jpg", "movie.mpg"}) {
    Add(name, u8" 星見");
  }
  Add("title.bmp", u8" 星見",
      "BM" + std::string(12, '\0') + "\x28" + std::string(13, '\0') + std::string("\x10", 2));
  Add("op.png", u8" 星見",
      "\x89PNG\r\n\x1a\n" + std::string(3, '\0') + "\rIHDR" + std::string(8, '\0') + "\x08\x02");
#ifndef _WIN32
  umask(022);  // the usual one: a text file is then 0644
#endif
  std::string errors;
  ASSERT_EQ(Init(false, &errors, "disc/ 星見"), 0) << errors;  // the written file loads cleanly
  std::string written = ReadBytes("disc\\setup.ini");
  size_t settings = written.find("#TITLE");
  ASSERT_NE(settings, std::string::npos) << written;
  EXPECT_EQ(written.substr(settings), kDraftAfterComment);
#ifndef _WIN32
  EXPECT_EQ(static_cast<int>(fs::status(folder_ / "disc" / "setup.ini").permissions()), 0644);
#endif
  EXPECT_TRUE(Contains(written, "#   ほかの音声ファイル（.wav .ogg .mp3 .mid）は [SOUND]\r\n"));
  EXPECT_TRUE(Contains(errors,
                       "warning: EXE is \"Game.exe\", the first in name order; "
                       "\"setup2.exe\" is not"));
  // Written once: a second run changes nothing unless forced.
  WriteBytes("disc\\setup.ini", "#TITLE mine\r\n");
  ASSERT_EQ(Init(false, &errors, "disc/ 星見"), 1);
  EXPECT_TRUE(Contains(errors, "setup.ini exists already in the disc root; --force replaces it"));
  EXPECT_EQ(ReadBytes("disc\\setup.ini"), "#TITLE mine\r\n");
  ASSERT_EQ(Init(true, &errors, "disc/ 星見"), 0) << errors;
  EXPECT_EQ(ReadBytes("disc\\setup.ini"), written);
}

// A refusal writes nothing; no .exe is only a warning.
TEST_F(InitCommand, RefusesNamesTheLauncherCouldNotUseAndWarnsOfNoExe) {
  std::vector<std::string> many;
  for (int i = 0; i < 257; ++i) many.push_back("f" + std::to_string(i));
  // The game folder's files ("x/" an empty folder), the exit status, a part of the message.
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"a.dat", u8"한.dat"}, 1, u8"\"한.dat\": the name has no code page 932 form"},
      {{u8"sub/〜.dat"}, 1, u8"\"sub\\〜.dat\": the name has no code page 932 form"},
      {{"#memo.txt"}, 1, "\"#memo.txt\": the launcher would not read this name as a file line"},
      {{"[x].dat"}, 1, "\"[x].dat\": the launcher would not read this name"},
      {{u8"ｱ/x.dat"}, 0, "no .exe directly in \"game\": EXE stays at its default game.exe"},
#ifndef _WIN32  // on Windows the file system itself makes each pair one file
      {{"a.dat", "A.DAT"},
       1,
       "\"A.DAT\" and \"a.dat\": Windows takes the two names for one file; rename one"},
      {{"a.dat.", "x.exe", "a.dat"}, 1, "\"a.dat\" and \"a.dat.\": Windows takes"},
#endif
      {{"empty/"}, 1, "\"game\" holds no file"},
      {many, 1, "\"game\" holds 257 files; the launcher lists at most 256"},
  };
  for (const auto& [files, status, part] : cases) {
    fs::remove_all(folder_ / "disc");
    for (const std::string& file : files) Add(file);
    std::string errors;
    EXPECT_EQ(Init(false, &errors), status) << part;
    EXPECT_TRUE(Contains(errors, part));
    EXPECT_EQ(Exists("disc\\setup.ini"), status == 0) << part;
  }
}

}  // namespace
