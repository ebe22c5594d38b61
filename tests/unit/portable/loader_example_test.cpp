// The worked example disc loads to exactly its listed values, whatever its line ends, and
// its file sets walk the listed files in order.
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

    const char* names[] = {"[EXE]", "[SOUND]", "[DATA]", "[CG16]", "[CG24]"};
    const int32_t typeSizes[] = {600000, 2000002, 70000, 0, 0};
    ASSERT_EQ(g_Setup.typeCount, 5);
    for (int i = 0; i < 5; ++i) {
      EXPECT_STREQ(g_Setup.types[i].name, names[i]);
      EXPECT_EQ(g_Setup.types[i].size, typeSizes[i]) << names[i];
    }
    struct Set {
      std::vector<int> entries;
      TypeMask mask;
      int32_t size;
    } sets[] = {{{0, 2}, 0x5, 670720}, {{0, 1, 2, 4}, 0x17, 2671616}, {{0, 1}, 0x3, 2600960}};
    for (int s = 0; s < kTypeSetCount; ++s) {
      const TypeSet& set = g_Setup.sets[s];
      EXPECT_EQ(std::vector<int>(set.entries, set.entries + set.count), sets[s].entries) << s;
      EXPECT_EQ(set.mask, sets[s].mask) << s;
      EXPECT_EQ(set.size, sets[s].size) << s;
    }
    struct File {
      const char* name;
      TypeMask mask;
      int32_t size;
    } files[] = {{"readme.txt", kNoTypeBit, 1002},
                 {"game.exe", 0x1, 600000},
                 {"se.dat", 0x2, 2000002},
                 {"data\\script.dat", 0x4, 70000},
                 {"manual.txt", kNoTypeBit, 0}};
    ASSERT_EQ(g_Setup.fileCount, 5);
    for (int i = 0; i < 5; ++i) {
      EXPECT_STREQ(g_Setup.files[i].name, files[i].name);
      EXPECT_EQ(g_Setup.files[i].mask, files[i].mask) << files[i].name;
      EXPECT_EQ(g_Setup.files[i].size, files[i].size) << files[i].name;
    }
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
