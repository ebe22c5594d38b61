// setup-check's reports of a sample description, text and JSON, with its exit status.
#include "setup_check.h"

#include <fstream>
#include <vector>

#include "json_report.h"
#include "scratch_folder.h"
#include "text_report.h"

namespace {

const char kSample[] =
    "#TITLE サンプル ゲーム\n#PATH SAMPLE\n#DEFDIR c:\\Games\n#REG_T SAMPLE\n"
    "#INSTALL_LST\n[EXE]\n[SOUND]\n[DATA]\n[CG16]\n[CG24]\n##\n"
    "#INSTALL_S\n[EXE]\n[DATA]\n##\n#INSTALL_B\n[EXE]\n[SOUND]\n[DATA]\n[CG24]\n##\n"
    "#INSTALL_C\n[EXE]\n[SOUND]\n##\n#FILE\nreadme.txt\n[EXE]\ngame.exe\n[SOUND]\nse.dat\n"
    "[DATA]\ndata\\script.dat\n[]\nmanual.txt\n##\n";

const char kSampleTablesAfterSettings[] =
    "SourceFolder    {disc}\n\nData types (5):\n   0  [EXE]  0.57M (600000 bytes)\n"
    "   1  [SOUND]  1.90M (2000002 bytes)\n   2  [DATA]  0.06M (70000 bytes)\n"
    "   3  [CG16]  0.00M (0 bytes)\n   4  [CG24]  0.00M (0 bytes)\n\nType sets:\n"
    "  INSTALL_S  entries 0 2  mask 0x00000005  size 0.63M (670720 bytes)\n"
    "  INSTALL_B  entries 0 1 2 4  mask 0x00000017  size 2.54M (2671616 bytes)\n"
    "  INSTALL_C  entries 0 1  mask 0x00000003  size 2.48M (2600960 bytes)\n\n"
    "Files (5):\n  readme.txt  (no type)  1001 bytes (counted as 1002)\n"
    "  game.exe  [EXE]  600000 bytes\n  se.dat  [SOUND]  2000001 bytes (counted as 2000002)\n  "
    "data\\script.dat  [DATA]  70000 bytes\n"
    "  manual.txt  (no type)  0 bytes\n\n";
// The disc path is shown with this system's separators.
#ifdef _WIN32
#define SEP "\\"
#else
#define SEP "/"
#endif
// Of one load: manual.txt is not on the disc, and two files belong to no type.
const char kSampleProblems[] =
    "setup.ini:27: warning: \"readme.txt\" belongs to no data type; no install copies it\n"
    "setup.ini:35: error: listed file \"manual.txt\" cannot be opened on the disc "
    "({disc}" SEP "SAMPLE" SEP
    "manual.txt)\n"
    "setup.ini:35: warning: \"manual.txt\" belongs to no data type; no install copies it\n";

class SetupCheck : public SetupDisc {
 protected:
  void SetUp() override {
    SetupDisc::SetUp();
    std::filesystem::create_directories(folder_ / "SAMPLE" / "data");
    WriteBytes("SAMPLE\\readme.txt", std::string(1001, 'x'));
    WriteBytes("SAMPLE\\game.exe", std::string(600000, 'x'));
    WriteBytes("SAMPLE\\se.dat", std::string(2000001, 'x'));
    WriteBytes("SAMPLE\\data\\script.dat", std::string(70000, 'x'));
    std::filesystem::create_directories(folder_ / "MANY");
    for (int i = 0; i < 22; ++i) WriteBytes(("MANY\\f" + std::to_string(i)).c_str(), "x");
    // Game files no FILE line can name (Windows makes neither of the last two).
    std::filesystem::create_directories(folder_ / "G" / "dddddddddd");
    WriteBytes("G\\ok.dat", "x");
    std::ofstream(folder_ / "G" / std::filesystem::u8path(u8"caf\u00e9\u2606\ud55c.txt")) << "x";
#ifndef _WIN32
    std::ofstream(folder_ / "G" / "bad.") << "x";
    std::ofstream(folder_ / "G" / "dddddddddd" / std::string(250, 'n')) << "x";
#endif
    disc_ = folder_.string();  // the test's own folder, not what the product reads back
  }
  // The report's own text with the scratch disc's folder for {disc}.
  std::string Expected(const char* text) {
    std::string out = text;
    for (size_t at; (at = out.find("{disc}")) != std::string::npos;) out.replace(at, 6, disc_);
    return out;
  }
  // Runs setup-check on the current folder: its exit status, and part in its report (standard
  // error for a refusal, status 2); after "!", not in it; "": nothing at all, not half a report.
  void ExpectReport(const char* option, int status, const std::string& part) {
    const char* argv[] = {"setup-check", option, nullptr};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunSetupCheck(option ? 2 : 1, const_cast<char**>(argv)), status) << part;
    std::string errors = testing::internal::GetCapturedStderr();
    std::string shown = testing::internal::GetCapturedStdout();
    OsSetCurrentFolder(disc_.c_str());
    if (part.empty()) {
      EXPECT_EQ(shown, "");
    } else if (part[0] == '!') {
      EXPECT_EQ(shown.find(part.substr(1)), std::string::npos) << shown;
    } else {
      EXPECT_TRUE(Contains(status == 2 ? errors : shown, part));
    }
  }
  std::string disc_;
};

// Texts go out as UTF-8; a byte that is no code page 932 character shows as \xNN.
TEST_F(SetupCheck, ExitStatusAndReports) {
  // setup.ini (null: none), the option, the exit status, a part of standard output ("": none).
  const std::tuple<const char*, const char*, int, std::string> cases[] = {
      {kSample, nullptr, 1, Expected(kSampleTablesAfterSettings) + Expected(kSampleProblems)},
      {kSample, "--json", 1, "{\"name\": \"INSTALL_B\", \"entries\": [0, 1, 2, 4], \"mask\": 23"},
      {"#TITLE \"\t\x95\x5c\\\"\n", "--json", 0,
       u8"\"TITLE\": \"\\t表\\\\\",\n    \"PATH\": \"GAME\","},
      {"#TITLE \x01\n", "--json", 0, "\"TITLE\": \"\\u0001\","},
      {"#EXE a.exe\n#FILE\nb.exe\n", "--json", 1, "started\", \"rule\": \"exe-not-listed\"}"},
      {"#TITLE x\n#PATH SAMPLE\n#FILE\n[]\ngame.exe\nse.dat\nreadme.txt\n", nullptr, 0,
       "setup.ini: warning: \"data\\script.dat\" is in the game folder but no FILE line lists it: "
       "no install copies it\n"},
      {"#TITLE x\n#PATH MANY\n#FILE\nf0\n", nullptr, 0,
       "setup.ini: warning: 1 more file in the game folder is listed by no FILE line\n"},
      {"#TITLE x\n#PATH G\n#FILE\nok.dat\n", nullptr, 0,
       "setup.ini: warning: \"caf<U+00E9><U+2606><U+D55C>.txt\" is in the game folder but "
       "cannot be listed: its name has no code page 932 form; rename it\n"},
#ifndef _WIN32
      {"#TITLE x\n#PATH G\n#FILE\nok.dat\n", nullptr, 0,
       "setup.ini: warning: \"bad.\" is in the game folder but cannot be listed: Windows "
       "reads its name as another (it ends in a dot or a blank, or names a device)\n"},
      {"#TITLE x\n#PATH G\n#FILE\nok.dat\n", nullptr, 0,
       "is in the game folder but cannot be listed: its path is longer than the 259 bytes "
       "of a FILE line\n"},
#endif
      {"#TITLE x\n#PATH NONE\n#FILE\na.dat\n", nullptr, 1,
       "setup.ini:2: error: the game folder \"NONE\" (PATH) is not on the disc: no listed file "
       "can be copied\nsetup.ini:4: error: listed file \"a.dat\" cannot be opened"},
      {"#PATH x\n", nullptr, 0,
       u8"setup.ini: warning: TITLE is never set: the window shows the built-in title Titleだよ\n"},
      {"#DEFDIR \x85\n", "--json", 1,
       "\"disc\": null,\n  \"types\": [],\n  \"sets\": [\n    {\"name\": \"INSTALL_S\""},
      {"#DEFDIR \x85\n", "--json", 1,
       "{\"line\": 1, \"severity\": \"error\", \"message\": \"DEFDIR value \\\"\\\\x85\\\" is not "
       "valid code page 932 (byte 9 of the line); save setup.ini in code page 932 (Shift-JIS)\"},\n"
       "    {\"line\": 1, \"severity\": \"warning\", \"message\": \"DEFDIR \\\"\\\\x85\\\" is not "
       "an"},
      // A log named like a folder of the file list, listed after it: refused on its line.
      {"#MD data\n#FILE\ndata\\x.dat\n", nullptr, 1,
       "setup.ini:1: error: MD value \"data\" is refused: it must be no save file (.sav), no "
       "file listed directly in the game folder and no folder of the file list; MD stays "
       "\"game._md\"\n"},
      {nullptr, "--json", 2, ""},
      {kSample, "SAMPLE", 2,
       "setup-check: SAMPLE holds no setup.ini, but the folder above it does: give that disc "
       "folder (setup-check .)\n"},
      {kSample, "SAMPLE/data", 2,
       "setup-check: SAMPLE/data holds no setup.ini: give the disc folder that holds setup.ini, "
       "the parent of the game folder\n"},
      {kSample, "SAMPLE/se.dat", 2,
       "setup-check: SAMPLE/se.dat is a file: setup-check takes the disc folder that holds "
       "setup.ini; to check a disc image, run make-disc --verify IMAGE DISC_FOLDER\n"},
      {"#TITLE x\n", "--bogus", 2, ""},
  };
  for (const auto& [setupIni, option, status, part] : cases) {
    remove("setup.ini");
    ResetSetupDescriptionToDefaults();
    if (setupIni != nullptr) WriteBytes("setup.ini", setupIni);
    ExpectReport(option, status, part);
  }
}

// A PE header: machine, subsystem and the version information's file description.
std::string Pe(uint16_t machine, uint16_t subsystem, const char* description) {
  std::string b = "MZ" + std::string(0x40 - 2 + 24 + 0xE0, '\0');
  auto put = [&b](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  put(0x3C, 0x40, 4), b.replace(0x40, 4, std::string("PE\0\0", 4)), put(0x44, machine, 2);
  put(0x40 + 20, 0xE0, 2), put(0x40 + 24, 0x10B, 2), put(0x40 + 24 + 68, subsystem, 2);
  auto wide = [&b](const char* text) {
    for (const char* p = text;; ++p) {
      b += *p, b += '\0';
      if (*p == '\0') break;
    }
  };
  b += std::string(8, '\0');
  wide("FileDescription"), b += std::string(2, '\0'), wide(description);
  return b;
}

// The picture's header: signature, header size, width, height, planes, bits, compression.
std::string Bmp(const char* sig, uint32_t dib, int32_t w, int32_t h, int planes, int bits, int z) {
  std::string b = std::string(sig) + std::string(52 + 4, '\0');
  auto put = [&b](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  put(10, 54, 4), put(14, dib, 4), put(18, w, 4), put(22, h, 4), put(26, planes, 2);
  put(28, bits, 2), put(30, z, 4);
  if (dib == 12) put(18, w, 2), put(20, h, 2), put(22, planes, 2), put(24, bits, 2);
  return b;
}

// The root files as Windows finds them, in any case: the launcher proven by its header, its
// picture and the disc's own autorun.inf.
TEST_F(SetupCheck, DiscRootFiles) {
  const std::string launcher = Pe(0x14C, 2, "Setup launcher");
  const std::string bmp = Bmp("BM", 40, 320, 240, 1, 24, 0);
  using Files = std::vector<std::pair<const char*, std::string>>;
  auto root = [](const std::string& exe, const std::string& bmp) {  // "": not there
    Files files;
    if (!exe.empty()) files.emplace_back("setup.exe", exe);
    if (!bmp.empty()) files.emplace_back("setup.bmp", bmp);
    return files;
  };
  // Root files (setup.ini "#TITLE x" unless given), the exit status, a part of the report
  // ("": no warning about them), the option.
  const struct {
    Files files;
    int status;
    std::string part;
    const char* option = nullptr;
  } rows[] = {
      {{{"SETUP.EXE", launcher}, {"Setup.Bmp", bmp}, {"SETUP.INI", "#TITLE x\n"}}, 0, ""},
#ifndef _WIN32  // a Windows folder cannot hold both spellings
      {{{"setup.exe", launcher}, {"SETUP.EXE", launcher}, {"setup.bmp", bmp}},
       1,
       "setup.ini: error: \"setup.exe\" and \"SETUP.EXE\" are one name on Windows: keep one "
       "of them in the disc root\n"},
#endif
      {{{"Setup.exe", Pe(0x8664, 2, "Setup launcher")}, {"setup.bmp", bmp}},
       1,
       "setup.ini: error: Setup.exe is a 64-bit (x86_64) program, which 32-bit Windows "
       "cannot start: a player's Windows cannot start it as the disc's launcher; ship the "
       "32-bit launcher, build/mingw-i686/bin/setup.exe\n"},
      {root(Pe(0x8664, 2, "Setup launcher"), bmp), 0, "", "--x86_64-for-testing"},
      {root("Stand-in for the launcher", bmp), 1,
       "setup.ini: error: setup.exe is no Windows program (it has no PE header)"},
      {root(Pe(0x14C, 3, "Setup launcher"), ""), 1,
       "setup.ini: error: setup.exe is no Windows GUI program (a console program or a driver)"},
      {root(Pe(0x1C0, 2, "Setup launcher"), ""), 1,
       "setup.exe is a program for another processor, not i386: a player's"},
      {root(Pe(0x14C, 2, "Other installer"), ""), 0,
       "setup.ini: warning: setup.exe is a 32-bit Windows program, but its version information "
       "does not say \"Setup launcher\": it is not this kit's launcher; make sure it is the one "
       "you mean to ship\n"},
      {root("", bmp), 0,
       "setup.ini: warning: setup.exe is not in the disc root: the disc has no launcher for the "
       "player to start\n"},
      {root(launcher, ""), 0,
       "setup.ini: warning: setup.bmp is not in the disc root: the window shows a grey panel "
       "where the picture goes\n"},
      {root(launcher, Bmp("GI", 40, 320, 240, 1, 24, 0)), 0,
       "setup.ini: warning: setup.bmp is no picture the launcher can load: the window shows a "
       "grey panel; save it as a Windows BMP, the only format the launcher loads\n"},
      {root(launcher, Bmp("BM", 40, 320, 240, 1, 24, 4)), 0, "no picture the launcher"},  // JPEG
      {root(launcher, Bmp("BM", 40, 320, 240, 0, 24, 0)), 0, "no picture the launcher"},
      {root(launcher, Bmp("BM", 40, 320, 240, 1, 7, 0)), 0, "no picture the launcher"},
      {root(launcher, Bmp("BM", 20, 320, 240, 1, 24, 0)), 0, "no picture the launcher"},
      {root(launcher, Bmp("BM", 40, 0, 240, 1, 24, 0)), 0, "no picture the launcher"},
      {root(launcher, Bmp("BM", 40, 640, 480, 1, 24, 0)), 0,
       "setup.ini: warning: setup.bmp is 640 x 480: the window scales it to 320 x 240\n"},
      {root(launcher, Bmp("BM", 40, 320, -240, 1, 32, 3)), 0, ""},  // top-down, bit fields
      {root(launcher, Bmp("BM", 12, 320, 240, 1, 8, 0)), 0, ""},
      {{{"setup.exe", launcher},
        {"setup.bmp", bmp},
        {"AUTORUN.INF", "[AutoRun]\r\nopen=menu.exe\r\nicon=game.ico,0\r\n"}},
       0,
       "setup.ini: warning: the disc's own AUTORUN.INF starts \"menu.exe\", not setup.exe: "
       "AutoPlay does not offer the launcher; remove the file and make-disc writes one that "
       "does\nsetup.ini: warning: the icon \"game.ico\" that AUTORUN.INF names is not on the "
       "disc: Explorer shows the drive without the game's icon\n"},
      {{{"setup.exe", launcher},
        {"setup.bmp", bmp},
        {"autorun.inf", "[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n"}},
       0,
       "!autorun"},
  };
  for (const auto& row : rows) {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      std::filesystem::remove_all(entry.path());
    }
    for (const auto& [name, bytes] : row.files) WriteBytes(name, bytes);
    if (!Exists("SETUP.INI")) WriteBytes("setup.ini", "#TITLE x\n");
    ExpectReport(row.option, row.status, row.part.empty() ? "!warning: setup." : row.part);
  }
}

}  // namespace
