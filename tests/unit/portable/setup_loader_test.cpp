// Loading setup.ini from a small scratch disc.
#include <algorithm>
#include <sstream>

#include "scratch_folder.h"
#include "setup_source/setup_keywords.h"
#include "setup_source/type_reference.h"

namespace {

class SetupLoader : public SetupDisc {
 protected:
  // A load in one line: the title; the types; INSTALL_S's entries =its mask; each file=its mask.
  static std::string Summary() {
    std::ostringstream out;
    out << g_Setup.TITLE << ";";
    for (int i = 0; i < g_Setup.typeCount; ++i) out << " " << g_Setup.types[i].name;
    out << ";";
    const TypeSet& s = g_Setup.sets[kInstallS];
    for (int e = 0; e < s.count; ++e) out << " " << static_cast<int>(s.entries[e]);
    if (s.count > 0) out << " =" << std::hex << s.mask;
    out << ";" << std::hex;
    for (const FileEntry* f = g_Setup.files; f < g_Setup.files + g_Setup.fileCount; ++f) {
      out << " " << f->name << "=" << f->mask;
    }
    return out.str();
  }
  // Loads lines after "#FILE"; whether the last of them was refused with an error.
  static bool LoadRefusesLast(const std::string& lines) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load("#FILE\n" + lines);
    int last = 1 + static_cast<int>(std::count(lines.begin(), lines.end(), '\n'));
    return HasProblem(kSetupError, last, " refused") || HasProblem(kSetupError, last, "dropped");
  }
};

// One rule a row: a text, what it loads, and where an error is due, part of its words.
TEST_F(SetupLoader, DirectiveAndPlainLinesBySection) {
  struct {
    const char *rule, *text, *loaded;
    int line = 0;
    const char* error = "";
  } const rows[] = {
      {"a keyword in small letters or run into more letters is a comment",
       "#title lower\n#INSTALL_LSTX\n[A]\n", "Titleだよ;;;"},
      {"words after a section's keyword are ignored; ## ends the section and opens none",
       "#INSTALL_LST more words\n[A]\n##FILE\n[B]\n", "Titleだよ; [A];;"},
      {"an entry names the first type its text begins (a blank before # makes a plain line), or "
       "none, which is an error",
       "#INSTALL_LST\n[BGM2]\n[BGM]\n  #FILE\n#INSTALL_S\n[BGM]\n[BG\n  #\n[bgm]\n[BGM3]\n[EXE]\n",
       "Titleだよ; [BGM2] [BGM]   #FILE; 1 0 2 -1 -1 -1 =80000007;", 11,
       "not list type: \"[EXE]\""},
      {"a directive inside a section is read, and the section goes on; the group runs on into "
       "the next FILE section",
       "#INSTALL_LST\n[A]\n#FILE\n[A]\na\n#TITLE 中\nb\n##\n#FILE\nc\n", "中; [A];; a=1 b=1 c=1"},
      {"a header of no type gives no type, an error naming it brackets too",
       "#INSTALL_LST\n[A]\n#FILE\n[A]\n[NONE]\ne\n", "Titleだよ; [A];; e=80000000", 5,
       "\"[NONE]\""}};
  for (const auto& row : rows) {
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    Load(row.text);
    EXPECT_EQ(Summary(), row.loaded) << row.rule;
    EXPECT_TRUE(row.line == 0 || HasProblem(kSetupError, row.line, row.error)) << row.rule;
  }
  EXPECT_EQ(FindDataType(""), -1);  // never the first type
}

// Settings stay from one load to the next; the tables start afresh, on the same stream too.
TEST_F(SetupLoader, WithoutAFileNothingChangesAndOnlySettingsStayBetweenLoads) {
  testing::internal::CaptureStdout();
  OpenSetupFile();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "SETUP.LST が開けませんでした。\n");
  LoadSetupDescription();
  EXPECT_STREQ(g_Setup.SourceFolder, "");  // nothing to load: nothing changes
  Load("#REG_S Maker\n");
  WriteBytes("setup.ini",
             "#REG_T T2\n#INSTALL_LST\n[EXE]\n[DATA]\n#FILE\n[EXE]\nexe\n[DATA]\na\nb\n");
  OpenSetupFile();
  LoadSetupDescription();
  LoadSetupDescription();
  CloseSetupFile();
  EXPECT_STREQ(g_Setup.ProductKeyPath, "Software\\Maker\\T2");
  EXPECT_EQ(g_Setup.typeCount, 2);
  EXPECT_EQ(g_Setup.fileCount, 3);
  EXPECT_EQ(g_Setup.lines.settings[kRegSSetting], 0);  // set by the text before
  EXPECT_EQ(g_Setup.lines.settings[kRegTSetting], 1);
}

TEST_F(SetupLoader, ReadsLinesAsTextInPiecesOf511Bytes) {
  const char text[] = "#DEFDIR a\rb\r\n#INSTALL_LST\r\nX\rY\r\nZ\0W\n\r\n   \t\r\n";
  Load(std::string(text, sizeof text - 1) + std::string(511, 'a') + "#TITLE piece\n[Z]\n#FILE\n" +
       "[Z]\n" + std::string(600, 'b') + "\n" + std::string(259, 'c') + "\n" +
       std::string(260, 'd') + "\nLAST\x1a\nAFTER\n");
  EXPECT_STREQ(g_Setup.DEFDIR, "a");     // a lone CR stays in the line and ends the value
  EXPECT_STREQ(g_Setup.TITLE, "piece");  // the second piece begins with # and is a directive
  ASSERT_EQ(g_Setup.typeCount, 4);
  EXPECT_STREQ(g_Setup.types[0].name, "X\rY");
  EXPECT_STREQ(g_Setup.types[1].name, "Z");  // cut at the zero byte, with an error
  EXPECT_TRUE(HasProblem(kSetupError, 4, "zero byte"));
  EXPECT_STREQ(g_Setup.types[2].name, std::string(63, 'a').c_str());  // cut to its field
  EXPECT_TRUE(HasProblem(kSetupError, 7, "longer than 63"));
  // 511 + 89 bytes: a piece too long, then a file; 259 bytes fit, 260 do not.
  ASSERT_EQ(g_Setup.fileCount, 3);
  EXPECT_EQ(strlen(g_Setup.files[0].name), 89u);
  EXPECT_EQ(strlen(g_Setup.files[1].name), 259u);
  EXPECT_EQ(g_Setup.files[0].mask, 0x8u);
  EXPECT_TRUE(HasProblem(kSetupError, 11, "longer than 259"));
  EXPECT_TRUE(HasProblem(kSetupError, 13, "longer than 259"));
  EXPECT_STREQ(g_Setup.files[2].name, "LAST");  // Ctrl-Z ends the text
  // Where each came from; the pieces of a line share its number.
  const SourceLines& at = g_Setup.lines;
  EXPECT_EQ(std::vector<int>(at.settings, at.settings + 3), (std::vector<int>{7, 0, 1}));
  EXPECT_EQ(std::vector<int>(at.types, at.types + 5), (std::vector<int>{3, 4, 7, 8, 0}));
  EXPECT_EQ(std::vector<int>(at.files, at.files + 3), (std::vector<int>{11, 12, 14}));
}

// (The sample report checks odd sizes and each type's whole KiB.)
TEST_F(SetupLoader, SizesStopAtTheLargestCount) {
  std::filesystem::create_directories(folder_ / "GAME");
  WriteBytes("GAME\\c", "xy");
  // Sparse files; the last is 4 GiB + 1 byte.
  const uintmax_t sizes[] = {1200000000, 1200000000, 2147483647, 0x100000001};
  for (int i = 0; i < 4; ++i) {
    WriteBytes(("GAME\\" + std::to_string(i)).c_str(), "");
    std::filesystem::resize_file(folder_ / "GAME" / std::to_string(i), sizes[i]);
  }
  Load(
      "#INSTALL_LST\n[C]\n[G]\n#INSTALL_B\n[C]\n[C]\n#INSTALL_C\n[G]\n#FILE\n"
      "[C]\nc\n[G]\n0\n1\n[]\n2\n3\n");
  const int32_t counted[] = {2, 1200000000, 1200000000, INT32_MAX, INT32_MAX};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g_Setup.files[i].size, counted[i]) << i;
  EXPECT_EQ(g_Setup.sets[kInstallB].mask, 0x1u);  // twice listed: one bit, two sizes
  EXPECT_EQ(g_Setup.sets[kInstallB].size, 2048);
  EXPECT_EQ(g_Setup.types[1].size, INT32_MAX);
  EXPECT_EQ(g_Setup.sets[kInstallC].size, INT32_MAX);
  EXPECT_TRUE(HasProblem(kSetupError, 14, "the size of [G] passes"));
  EXPECT_TRUE(HasProblem(kSetupError, 0, "the size of INSTALL_C passes"));
  EXPECT_TRUE(HasProblem(kSetupError, 16, "counts as 2147483647"));  // never its low 32 bits
  EXPECT_TRUE(HasProblem(kSetupError, 17, "counts as 2147483647"));
}

TEST_F(SetupLoader, CapacitiesAreNeverPassed) {
  std::string text = "#TITLE " + std::string(98, 't') + "表\n#INSTALL_LST\n";
  for (int i = 0; i < 17; ++i) text += "[T" + std::to_string(i) + "]\n";
  text += "#INSTALL_S\n";
  for (int i = 0; i < 17; ++i) text += "[T0]\n";
  text += "#INSTALL_B\n[T16]\n#FILE\n[T16]\nx\n[T1]\n";
  for (int i = 0; i < 257; ++i) text += "f" + std::to_string(i) + "\n";
  Load(text);
  EXPECT_STREQ(g_Setup.TITLE, std::string(98, 't').c_str());  // 表 would not fit whole
  EXPECT_EQ(g_Setup.typeCount, 16);
  EXPECT_EQ(g_Setup.sets[kInstallS].count, 16);
  EXPECT_EQ(g_Setup.sets[kInstallB].count, 1);
  EXPECT_EQ(g_Setup.sets[kInstallB].entries[0], -1);  // the dropped 17th type
  EXPECT_EQ(g_Setup.fileCount, 256);
  EXPECT_EQ(g_Setup.files[0].mask, kNoTypeBit);
  EXPECT_STREQ(g_Setup.files[255].name, "f254");
  EXPECT_TRUE(HasProblem(kSetupError, 1, "TITLE value is longer than 99"));
  EXPECT_TRUE(HasProblem(kSetupError, 19, "more than 16 data types"));
  EXPECT_TRUE(HasProblem(kSetupError, 37, "more than 16 entries"));
  EXPECT_TRUE(HasProblem(kSetupError, 299, "more than 256 files"));
}

// A refused value is an error on its line and leaves the setting as it was.
TEST_F(SetupLoader, RefusedSettingsAreErrorsAndKeepTheEarlierValue) {
  const bool A = false, R = true;  // accepted, refused
  const std::string s500(500, 's'), t500(500, 't'), p12(12, 'p');
  // Lines, whether the last is refused, what the setting holds after loading.
  const std::tuple<std::string, bool, const char*> cases[] = {
      // clang-format off
      {"#MD a.log\n#MD\n", R, "a.log"}, {"#EXE \\game.exe\n", R, "game.exe"},
      {"#PATH SAMPLE\\\n", A, "SAMPLE\\"}, {"#PATH ..\n", R, "GAME"},
      {"#REG_T a\\b\n", R, "GAME"}, {"#REG_S\n", R, "QUERN FIELD"},
      // Below REG_P Software itself, REG_S must not open one of the system's trees.
      {"#REG_S Maker\n#REG_S wow6432NODE\n", R, "Maker"},
      {"#REG_P Software\\A\n#REG_S Microsoft\n", A, "Microsoft"},
      // The log must not be written over a save or a file the install copies beside it.
      {"#MD a.log\n#MD Slot1.SAV. .\n", R, "a.log"}, {"#MD game.sav.log\n", A, "game.sav.log"},
      {"game.exe\n#MD game.EXE .\n", R, "game._md"}, {"data\\x\n#MD x\n", A, "x"},
      {"x.log\ny.log\n#MD x.log\n#MD y.log\n", R, "game._md"},
      // Nor as a file where listed files need a folder.
      {"data\\表\\x.dat\n#MD Data .\n", R, "game._md"},
      {"data\\x.dat\n#MD data.log\n", A, "data.log"},
      // The line that makes REG_P\REG_S\REG_T longer than 1,023 bytes, whichever comes last.
      {"#REG_S " + s500 + "\n#REG_T " + t500 + "\n#REG_P Software\\" + p12 + "\n", A,
       "Software\\pppppppppppp"},
      {"#REG_S " + s500 + "\n#REG_T " + t500 + "\n#REG_P Software\\" + p12 + "p\n", R, "Software"},
      {"#REG_P Software\\" + p12 + "p\n#REG_S " + s500 + "\n#REG_T " + t500 + "\n", R, "GAME"},
      // clang-format on
  };
  for (const auto& [lines, refused, kept] : cases) {
    EXPECT_EQ(LoadRefusesLast(lines), refused) << lines;
    const char* keyword = strrchr(lines.c_str(), '#') + 1;
    std::string name(keyword, strcspn(keyword, " \n"));
    auto k = std::find_if(std::begin(kSetupKeywords), std::end(kSetupKeywords),
                          [&](const SetupKeyword& k) { return name == k.name; });
    EXPECT_STREQ(k->setting, kept) << lines;
    EXPECT_EQ(strlen(g_Setup.ProductKeyPath),
              strlen(g_Setup.REG_P) + strlen(g_Setup.REG_S) + strlen(g_Setup.REG_T) + 2)
        << "the key of the three settings, never cut";
  }
}

// setup-check's words for a refused key or file line.
TEST_F(SetupLoader, RefusalsOfForeignNamesAreWordedOnTheirLines) {
  // REG_S is judged below the REG_P of the whole text, which here comes after it.
  Load(
      "#REG_P Software\\A\n#REG_S Classes\n#REG_P Software\\Microsoft\\Windows\n#REG_P "
      "Software\n#MD a.log\n#MD game.exe\n#FILE\ngame.exe\nslot1.sav .\n");
  EXPECT_TRUE(
      HasProblem(kSetupError, 3,
                 "REG_P value \"Software\\Microsoft\\Windows\" is refused: it must be Software or "
                 "key names below it joined by single backslashes, not in Software\\Microsoft, "
                 "Classes, Policies or Wow6432Node; REG_P stays \"Software\\A\""));
  EXPECT_TRUE(HasProblem(kSetupError, 2,
                         "REG_S value \"Classes\" is refused: it must be a key name that keeps the "
                         "maker's key, below REG_P, out of Software\\Microsoft, Classes, Policies "
                         "and Wow6432Node; REG_S stays \"QUERN FIELD\""));
  EXPECT_STREQ(g_Setup.ProductKeyPath, "Software\\QUERN FIELD\\GAME");
  // A value put back takes its line back: the earlier one, or none for the default.
  EXPECT_EQ(g_Setup.lines.settings[kMdSetting], 5);
  EXPECT_EQ(g_Setup.lines.settings[kRegSSetting], 0);
  EXPECT_TRUE(HasProblem(kSetupError, 9,
                         "\"slot1.sav .\" ends a name with a dot, a blank or a separator, which "
                         "Windows drops; it was dropped"));
}

TEST_F(SetupLoader, FileLinesWindowsCannotUseAreDropped) {
  for (const char* name : {"a..b\\c", "console.dat", "com10\\x", "\x81\x7c", ".a", "a .b", "表"}) {
    EXPECT_FALSE(LoadRefusesLast(name + std::string("\n"))) << name;
    ASSERT_EQ(g_Setup.fileCount, 1) << name;
    EXPECT_STREQ(g_Setup.files[0].name, name);
  }
  for (const char* name :
       {"..\\a.dat", "\\root", "/etc/passwd", "C:a.dat", "data/../x", "data\\... \\x", "con.dat",
        "data\\nul.txt", "aux", "game.exe:evil", "a*", "a?", "a\"", "a<", "a>", "a|", "a\x1f",
        // names Windows would read as another: the trailing dots and blanks go
        "slot1.sav.", "slot1.sav .", "slot1.sav\\.", "slot1.sav/.", ".\\a", "a \\b", "a\\",
        "a\\\\b", "表.."}) {
    EXPECT_TRUE(LoadRefusesLast(name + std::string("\n"))) << name;
    EXPECT_EQ(g_Setup.fileCount, 0) << name;
  }
}

#ifndef _WIN32  // Windows keeps the current folder below 260 characters
// A disc folder longer than a line but within a path is kept whole, and its files measured.
TEST_F(SetupLoader, ADiscFolderLongerThanALineIsKeptWhole) {
  const std::string a(200, 'a');  // three of them: 603 bytes below the scratch folder
  std::filesystem::create_directories(folder_ / a / a / a / "GAME");
  ASSERT_TRUE(OsSetCurrentFolder((a + "\\" + a + "\\" + a).c_str()));
  WriteBytes("GAME\\x.dat", "abc");
  Load("#FILE\nx.dat\n");
  EXPECT_EQ(g_Setup.files[0].size, 4);
  EXPECT_EQ(strlen(g_Setup.SourceFolder), folder_.string().size() + 603);
}
#endif

}  // namespace
