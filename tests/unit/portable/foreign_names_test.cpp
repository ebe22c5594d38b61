// Names a careless or hostile disc may give that reach what is not the game's: a key among
// the system's own, a file line Windows reads as another name, a log named like a save or a
// game file. Each is refused on its line and the earlier value stays.
#include <algorithm>

#include "scratch_folder.h"
#include "setup_source/save_name.h"

namespace {

class ForeignNames : public SetupDisc {
 protected:
  // The refusals of a load as "line: message" lines.
  static std::string Refusals() {
    std::string found;
    for (const Diagnostic* d = g_Diagnostics; d < g_Diagnostics + g_DiagnosticCount; ++d) {
      if (d->severity == kSetupError &&
          (strstr(d->message, "refused") || strstr(d->message, "dropped"))) {
        found += std::to_string(d->line) + ": " + d->message + "\n";
      }
    }
    return found;
  }
  static std::string Files() {
    std::string names;
    for (int i = 0; i < g_Setup.fileCount; ++i) names += g_Setup.files[i].name + std::string("|");
    return names;
  }
};

TEST_F(ForeignNames, RefusedOnTheirLineWithTheEarlierValueKept) {
  // Text, what the setting (or the file list) holds after it, the refused line (0: none).
  const struct {
    const char* text;
    const char* field;
    const char* kept;
    int line;
  } cases[] = {
      // clang-format off
      {"#REG_P SOFTWARE\\Maker\\Sub\n", "REG_P", "SOFTWARE\\Maker\\Sub", 0},
      {"#REG_P software\n", "REG_P", "software", 0},
      {"#REG_P Software\\Microsoft2\n", "REG_P", "Software\\Microsoft2", 0},
      {"#REG_P Software\\Maker\\Microsoft\n", "REG_P", "Software\\Maker\\Microsoft", 0},
      {"#REG_P Software\\表\n", "REG_P", "Software\\表", 0},
      {"#REG_P Software\\Microsoft\n", "REG_P", "Software", 1},
      {"#REG_P Software\\Maker\n#REG_P software\\CLASSES\\x\n", "REG_P", "Software\\Maker", 2},
      {"#REG_P Software\\Policies\n", "REG_P", "Software", 1},
      {"#REG_P Software\\wow6432node\\Maker\n", "REG_P", "Software", 1},
      {"#REG_P Softwares\n", "REG_P", "Software", 1}, {"#REG_P System\\Maker\n", "REG_P", "Software", 1},
      {"#FILE\n.hidden\na .b\n表\n", "FILES", ".hidden|a .b|表|", 0},
      {"#FILE\nslot1.sav.\n", "FILES", "", 2}, {"#FILE\nslot1.sav .\n", "FILES", "", 2},
      {"#FILE\nslot1.sav\\.\n", "FILES", "", 2}, {"#FILE\nslot1.sav/.\n", "FILES", "", 2},
      {"#FILE\n.\\game.exe\n", "FILES", "", 2}, {"#FILE\ndata \\a\n", "FILES", "", 2},
      {"#FILE\ndata\\\n", "FILES", "", 2}, {"#FILE\n表..\n", "FILES", "", 2},
      {"#MD slot1.sav\n", "MD", "game._md", 1}, {"#MD .SAV\n", "MD", "game._md", 1},
      {"#MD a.log\n#MD Slot1.SAV. .\n", "MD", "a.log", 2},
      {"#MD game.EXE .\n#FILE\ngame.exe\n", "MD", "game._md", 1},
      {"#MD 表.log\n#FILE\n表.LOG\n", "MD", "game._md", 1},
      {"#MD x.log\n#MD y.log\n#FILE\nx.log\ny.log\n", "MD", "game._md", 2},
      {"#MD data.bin\n#FILE\ndata\\data.bin\n", "MD", "data.bin", 0},
      {"#MD ヂ.log\n#FILE\nア.log\n", "MD", "ヂ.log", 0},  // 0x83 0x61 is no small 0x83 0x41
      {"#MD game.sav.log\n", "MD", "game.sav.log", 0},
      // clang-format on
  };
  for (const auto& c : cases) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load(c.text);
    std::string field = c.field;
    std::string held = field == "FILES" ? Files() : field == "MD" ? g_Setup.MD : g_Setup.REG_P;
    EXPECT_EQ(held, c.kept) << c.text;
    std::string refusals = Refusals();
    EXPECT_EQ(refusals.substr(0, refusals.find(':')), c.line ? std::to_string(c.line) : "")
        << c.text << refusals;
    EXPECT_EQ(std::count(refusals.begin(), refusals.end(), '\n'), c.line ? 1 : 0) << c.text;
  }
}

TEST_F(ForeignNames, SetupCheckWordsEachRefusal) {
  const std::pair<const char*, const char*> cases[] = {
      {"#REG_P Software\\Microsoft\\Windows\n",
       "1: REG_P value \"Software\\Microsoft\\Windows\" is refused: it must be Software or key "
       "names below it joined by single backslashes, not in Software\\Microsoft, Classes, "
       "Policies or Wow6432Node; REG_P stays \"Software\"\n"},
      {"#FILE\nslot1.sav .\n",
       "2: \"slot1.sav .\" ends a name with a dot, a blank or a separator, which Windows drops; it "
       "was dropped\n"},
      {"#MD a.log\n#FILE\n#MD game.exe\ngame.exe\n",
       "3: MD value \"game.exe\" is refused: it must be no save file (.sav) and no file listed "
       "directly in the game folder; MD stays \"a.log\"\n"},
  };
  for (const auto& [text, refusal] : cases) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load(text);
    EXPECT_EQ(Refusals(), refusal);
  }
}

TEST(SaveName, WindowsReadingOfTheExtension) {
  const std::pair<const char*, bool> cases[] = {
      {"slot1.sav", true},     {"SLOT1.Sav", true},   {"slot1.sav.", true}, {"slot1.sav .", true},
      {"slot1.sav. . ", true}, {"data\\x.sav", true}, {".sav", true},       {"表.sav", true},
      {"diary.save", false},   {"x.sav\\a", false},   {"x.sa v", false},    {"x.savx.", false},
      {"sav", false},          {"x.sav\\", false},
  };
  for (const auto& [name, save] : cases) EXPECT_EQ(HasSaveExtension(name), save) << name;
}

}  // namespace
