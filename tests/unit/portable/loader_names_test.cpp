// Settings and file lines that name places: what a hand-written disc may name, and what
// is refused with an error on its line while the earlier value stays.
#include <string.h>

#include <algorithm>
#include <string>

#include "setup_disc_test.h"
#include "setup_source/setup_keywords.h"

namespace {

class PlaceNames : public SetupDisc {
 protected:
  // Loads lines after "#FILE"; whether the last of them was refused with an error.
  static bool LoadRefusesLast(const std::string& lines) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load("#FILE\n" + lines);
    int last = 1 + static_cast<int>(std::count(lines.begin(), lines.end(), '\n'));
    return HasProblem(kSetupError, last, " refused") || HasProblem(kSetupError, last, "dropped");
  }
};

// The setting that a "#NAME value" line sets.
const char* Setting(const char* line) {
  std::string name(line + 1, strcspn(line + 1, " \n"));
  for (const SetupKeyword& k : kSetupKeywords) {
    if (name == k.name) return k.setting;
  }
  return "?";
}

TEST_F(PlaceNames, RefusedSettingsAreErrorsAndKeepTheEarlierValue) {
  const bool A = false, R = true;  // accepted, refused
  struct Case {
    const char* lines;
    bool refused;      // the last line
    const char* kept;  // what the setting holds after loading
  } cases[] = {
      // clang-format off
      {"#MD x.log \n", A, "x.log "}, {"#MD 表.log\n", A, "表.log"}, {"#MD CONX\n", A, "CONX"},
      {"#MD ..\\docs\\thesis.txt\n", R, "game._md"}, {"#MD a.log\n#MD\n", R, "a.log"},
      {"#MD a/b\n", R, "game._md"}, {"#MD c:x\n", R, "game._md"}, {"#MD ..\n", R, "game._md"},
      {"#MD .\n", R, "game._md"}, {"#MD a.log\n#MD Nul.txt\n", R, "a.log"},
      {"#MD com1\n", R, "game._md"}, {"#MD LPT9 .x\n", R, "game._md"},
      {"#EXE bin\\game.exe\n", A, "bin\\game.exe"}, {"#EXE \"\tgame.exe\"\n", A, "\tgame.exe"},
      {"#EXE\n", R, "game.exe"}, {"#EXE \\game.exe\n", R, "game.exe"},
      {"#EXE /g.exe\n", R, "game.exe"}, {"#EXE c:g.exe\n", R, "game.exe"},
      {"#EXE .\\g.exe\n", R, "game.exe"}, {"#EXE a\\..\\..\\g\n", R, "game.exe"},
      {"#EXE bin\\\n", R, "game.exe"}, {"#PATH\n", A, ""}, {"#PATH ソ\n", A, "ソ"},
      {"#PATH SAMPLE\\\n", A, "SAMPLE\\"}, {"#PATH A\\\\\n", R, "GAME"}, {"#PATH \\\n", R, "GAME"},
      {"#PATH ..\n", R, "GAME"}, {"#PATH d:\\x\n", R, "GAME"}, {"#REG_S 表\n", A, "表"},
      {"#REG_S\n", R, "QUERN FIELD"},
      {"#REG_S Microsoft\\Windows\\CurrentVersion\n", R, "QUERN FIELD"},
      {"#REG_T Run\n", A, "Run"}, {"#REG_T a\\b\n", R, "GAME"}, {"#REG_P\n", R, "Software"},
      {"#REG_P Software\\Maker\n", A, "Software\\Maker"}, {"#REG_P \\Software\n", R, "Software"},
      {"#REG_P Software\\\n", R, "Software"}, {"#REG_P A\\\\B\n", R, "Software"},
      // clang-format on
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadRefusesLast(c.lines), c.refused) << c.lines;
    EXPECT_STREQ(Setting(c.lines), c.kept) << c.lines;
  }
}

TEST_F(PlaceNames, FileLinesWindowsCannotUseAreDropped) {
  for (const char* name :
       {".\\game.exe", "a..b\\c", "表..", "console.dat", "com10\\x", "\x81\x7c"}) {
    EXPECT_FALSE(LoadRefusesLast(name + std::string("\n"))) << name;
    ASSERT_EQ(g_Setup.fileCount, 1) << name;
    EXPECT_STREQ(g_Setup.files[0].name, name);
  }
  for (const char* name :
       {"..\\a.dat", "\\root", "/etc/passwd", "C:a.dat", "data/../x", "data\\... \\x", "con.dat",
        "data\\nul.txt", "aux", "game.exe:evil", "a*", "a?", "a\"", "a<", "a>", "a|", "a\x1f"}) {
    EXPECT_TRUE(LoadRefusesLast(name + std::string("\n"))) << name;
    EXPECT_EQ(g_Setup.fileCount, 0) << name;
  }
}

}  // namespace
