// The worked example disc loads to exactly its listed values, whatever its line ends, and
// its file sets walk the listed files in order.
#include <stdio.h>
#include <string.h>

#include <string>

#include "setup_disc_test.h"
#include "setup_source/file_set.h"

namespace {

const char kExample[] =
    "#TITLE サンプル ゲーム\n#PATH SAMPLE\n#DEFDIR c:\\Games\n#REG_T SAMPLE\n"
    "#INSTALL_LST\n[EXE]\n[SOUND]\n[DATA]\n[CG16]\n[CG24]\n##\n"
    "#INSTALL_S\n[EXE]\n[DATA]\n##\n"
    "#INSTALL_B\n[EXE]\n[SOUND]\n[DATA]\n[CG24]\n##\n"
    "#INSTALL_C\n[EXE]\n[SOUND]\n##\n"
    "#FILE\nreadme.txt\n[EXE]\ngame.exe\n[SOUND]\nse.dat\n[DATA]\ndata\\script.dat\n[]\n"
    "manual.txt\n##\n";

// Types, then each set's entries, mask (hex) and size, then files' masks and sizes.
std::string Tables() {
  std::string out;
  char row[512];
  for (int i = 0; i < g_Setup.typeCount; ++i) {
    snprintf(row, sizeof row, "%s %d|", g_Setup.types[i].name,
             static_cast<int>(g_Setup.types[i].size));
    out += row;
  }
  for (const TypeSet& set : g_Setup.sets) {
    for (int i = 0; i < set.count; ++i) out += (i ? "," : "") + std::to_string(set.entries[i]);
    snprintf(row, sizeof row, " mask %x size %d|", static_cast<unsigned>(set.mask),
             static_cast<int>(set.size));
    out += row;
  }
  for (int i = 0; i < g_Setup.fileCount; ++i) {
    snprintf(row, sizeof row, "%s %x %d|", g_Setup.files[i].name,
             static_cast<unsigned>(g_Setup.files[i].mask), static_cast<int>(g_Setup.files[i].size));
    out += row;
  }
  return out;
}

class WorkedExample : public SetupDisc {
 protected:
  void SetUp() override {
    SetupDisc::SetUp();
    MakeFolder("SAMPLE/data");
    WriteSized("SAMPLE\\readme.txt", 1001);
    WriteSized("SAMPLE\\game.exe", 600000);
    WriteSized("SAMPLE\\se.dat", 2000001);
    WriteSized("SAMPLE\\data\\script.dat", 70000);
  }

  // Each load reports one error: manual.txt is not on the disc (text line 35).
  void ExpectExampleValues(int loads) {
    EXPECT_STREQ(g_Setup.TITLE, "サンプル ゲーム");
    EXPECT_STREQ(g_Setup.PATH, "SAMPLE");
    EXPECT_STREQ(g_Setup.DEFDIR, "c:\\Games");
    EXPECT_STREQ(g_Setup.MD, "game._md");
    EXPECT_STREQ(g_Setup.EXE, "game.exe");
    EXPECT_STREQ(g_Setup.ProductKeyPath, "Software\\QUERN FIELD\\SAMPLE");
    char current[512];
    ASSERT_TRUE(OsGetCurrentFolder(current, sizeof current));
    EXPECT_STREQ(g_Setup.SourceFolder, current);

    ASSERT_EQ(g_Setup.typeCount, 5);
    ASSERT_EQ(g_Setup.fileCount, 5);
    EXPECT_EQ(Tables(),
              "[EXE] 600000|[SOUND] 2000002|[DATA] 70000|[CG16] 0|[CG24] 0|"
              "0,2 mask 5 size 670720|0,1,2,4 mask 17 size 2671616|0,1 mask 3 size 2600960|"
              "readme.txt 80000000 1002|game.exe 1 600000|se.dat 2 2000002|"
              "data\\script.dat 4 70000|manual.txt 80000000 0|");
    int errors = 0;
    for (const CollectedProblem& p : CollectedProblems()) {
      if (p.severity != kSetupError) continue;
      ++errors;
      EXPECT_EQ(p.line, 35);
      EXPECT_NE(p.message.find("manual.txt"), std::string::npos);
    }
    EXPECT_EQ(errors, loads);
  }
};

TEST_F(WorkedExample, LoadsToTheListedValuesWithLfOrCrLf) {
  Load(kExample);
  ExpectExampleValues(1);
  std::string crlf;
  for (const char* p = kExample; *p; ++p)
    crlf += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
  ResetSetupDescriptionToDefaults();
  CollectedProblems().clear();
  Load(crlf);
  ExpectExampleValues(1);
}

TEST_F(WorkedExample, SecondLoadOfTheSameStreamGivesTheSameTables) {
  WriteBytes("setup.ini", kExample);
  OpenSetupFile();
  LoadSetupDescription();
  LoadSetupDescription();  // rewinds and resets before reading again
  CloseSetupFile();
  ExpectExampleValues(2);
}

TEST_F(WorkedExample, FileSetsWalkTheListedFilesInOrder) {
  Load(kExample);
  struct Case {
    TypeMask mask;
    std::vector<std::string> names;
  } cases[] = {
      {0x5, {"game.exe", "data\\script.dat"}},
      {kNoTypeBit, {"readme.txt", "manual.txt"}},
      {0xFFFFFFFFu, {"readme.txt", "game.exe", "se.dat", "data\\script.dat", "manual.txt"}},
      {0x18, {}},  // types with no files
  };
  char name[kFileNameCapacity + 1];
  for (const Case& c : cases) {
    BeginFileSet(c.mask);
    std::vector<std::string> walked;
    while (NextFileInSet(name, sizeof name) == 0) walked.push_back(name);
    EXPECT_EQ(walked, c.names) << c.mask;
    strcpy(name, "untouched");
    EXPECT_EQ(NextFileInSet(name, sizeof name), 1);  // over stays over
    EXPECT_STREQ(name, "untouched");
  }
  // Starting again in the middle of a walk restarts from the first row.
  BeginFileSet(0x2);
  ASSERT_EQ(NextFileInSet(name, sizeof name), 0);
  BeginFileSet(0x1);
  ASSERT_EQ(NextFileInSet(name, sizeof name), 0);
  EXPECT_STREQ(name, "game.exe");
}

}  // namespace
