// Settings and file lines that name places: what a hand-written disc may name, and what
// is refused with an error on its line while the earlier value stays.
#include <string.h>

#include <algorithm>
#include <string>

#include "setup_disc_test.h"
#include "setup_source/setup_keywords.h"

namespace {

using PlaceNames = SetupDisc;

// The setting of a "#NAME value" line, or else the one file name loaded ("" for none).
const char* Stored(const char* line) {
  for (const SetupKeyword& k : kSetupKeywords) {
    size_t n = strlen(k.name);
    if (line[0] == '#' && strncmp(line + 1, k.name, n) == 0 && strchr(" \n", line[n + 1]))
      return k.setting;
  }
  return g_Setup.fileCount == 1 ? g_Setup.files[0].name : "";
}

const bool A = false, R = true;  // accepted, refused

TEST_F(PlaceNames, RefusedValuesAreErrorsAndKeepTheEarlierValue) {
  struct Case {
    const char* lines;  // after "#FILE"; the last one is checked
    bool refused;
    const char* kept;  // what the named setting, or the file list, holds after loading
  } cases[] = {
      // clang-format off
      {"#MD x.log \n", A, "x.log "},            {"#MD 表.log\n", A, "表.log"},
      {"#MD CONX\n", A, "CONX"},                {"#MD ..\\docs\\thesis.txt\n", R, "game._md"},
      {"#MD a.log\n#MD\n", R, "a.log"},         {"#MD a/b\n", R, "game._md"},
      {"#MD c:x\n", R, "game._md"},             {"#MD ..\n", R, "game._md"},
      {"#MD .\n", R, "game._md"},               {"#MD a.log\n#MD Nul.txt\n", R, "a.log"},
      {"#MD com1\n", R, "game._md"},            {"#MD LPT9 .x\n", R, "game._md"},
      {"#EXE bin\\game.exe\n", A, "bin\\game.exe"}, {"#EXE \"\tgame.exe\"\n", A, "\tgame.exe"},
      {"#EXE\n", R, "game.exe"},                {"#EXE \\game.exe\n", R, "game.exe"},
      {"#EXE /g.exe\n", R, "game.exe"},         {"#EXE c:g.exe\n", R, "game.exe"},
      {"#EXE .\\g.exe\n", R, "game.exe"},       {"#EXE a\\..\\..\\g\n", R, "game.exe"},
      {"#EXE bin\\\n", R, "game.exe"},          {"#PATH\n", A, ""},
      {"#PATH SAMPLE\\\n", A, "SAMPLE\\"},      {"#PATH ソ\n", A, "ソ"},
      {"#PATH A\\\\\n", R, "GAME"},             {"#PATH \\\n", R, "GAME"},
      {"#PATH ..\n", R, "GAME"},                {"#PATH d:\\x\n", R, "GAME"},
      {"#REG_S 表\n", A, "表"},                 {"#REG_S\n", R, "QUERN FIELD"},
      {"#REG_S Microsoft\\Windows\\CurrentVersion\n", R, "QUERN FIELD"},
      {"#REG_T Run\n", A, "Run"},               {"#REG_T a\\b\n", R, "GAME"},
      {"#REG_P Software\\Maker\n", A, "Software\\Maker"}, {"#REG_P\n", R, "Software"},
      {"#REG_P \\Software\n", R, "Software"},   {"#REG_P Software\\\n", R, "Software"},
      {"#REG_P A\\\\B\n", R, "Software"},       {".\\game.exe\n", A, ".\\game.exe"},
      {"a..b\\c\n", A, "a..b\\c"},              {"表..\n", A, "表.."},
      {"console.dat\n", A, "console.dat"},      {"com10\\x\n", A, "com10\\x"},
      {"\x81\x7c.dat\n", A, "\x81\x7c.dat"},    {"..\\a.dat\n", R, ""},
      {"\\root\n", R, ""},                      {"/etc/passwd\n", R, ""},
      {"C:a.dat\n", R, ""},                     {"data/../x\n", R, ""},
      {"data\\... \\x\n", R, ""},               {"con.dat\n", R, ""},
      {"data\\nul.txt\n", R, ""},               {"aux\n", R, ""},
      {"game.exe:evil\n", R, ""},               {"a*\n", R, ""},
      {"a?\n", R, ""},                          {"a\"\n", R, ""},
      {"a<\n", R, ""},                          {"a>\n", R, ""},
      {"a|\n", R, ""},                          {"a\x1f\n", R, ""},
      // clang-format on
  };
  for (const Case& c : cases) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load(std::string("#FILE\n") + c.lines);
    std::string lines = c.lines;
    size_t before = lines.rfind('\n', lines.size() - 2);
    const char* last = c.lines + (before == std::string::npos ? 0 : before + 1);
    int line = 1 + static_cast<int>(std::count(lines.begin(), lines.end(), '\n'));
    EXPECT_STREQ(Stored(last), c.kept) << c.lines;
    EXPECT_EQ(HasProblem(kSetupError, line, " refused") || HasProblem(kSetupError, line, "dropped"),
              c.refused)
        << c.lines;
  }
}

}  // namespace
