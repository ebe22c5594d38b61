// setup-check's reports of a sample description, text and JSON, with its exit status.
#include "setup_check.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "scratch_folder.h"

namespace {

const char kSample[] =
    "#TITLE サンプル ゲーム\n#PATH SAMPLE\n#DEFDIR c:\\Games\n#REG_T SAMPLE\n"
    "#INSTALL_LST\n[EXE]\n[SOUND]\n[DATA]\n[CG16]\n[CG24]\n##\n"
    "#INSTALL_S\n[EXE]\n[DATA]\n##\n#INSTALL_B\n[EXE]\n[SOUND]\n[DATA]\n[CG24]\n##\n"
    "#INSTALL_C\n[EXE]\n[SOUND]\n##\n#FILE\nreadme.txt\n[EXE]\ngame.exe\n[SOUND]\nse.dat\n"
    "[DATA]\ndata\\script.dat\n[]\nmanual.txt\n##\n";

// The disc path is shown with this system's separators.
#ifdef _WIN32
#define SEP "\\"
#else
#define SEP "/"
#endif
// From SourceFolder on; manual.txt is not on the disc, and two files belong to no type.
const char kSampleReport[] =
    "SourceFolder    {disc}\n\nData types (5):\n   0  [EXE]  0.57M (600000 bytes)\n"
    "   1  [SOUND]  1.90M (2000002 bytes)\n   2  [DATA]  0.06M (70000 bytes)\n"
    "   3  [CG16]  0.00M (0 bytes)\n   4  [CG24]  0.00M (0 bytes)\n\nType sets:\n"
    "  INSTALL_S  entries 0 2  mask 0x00000005  size 0.63M (670720 bytes)\n"
    "  INSTALL_B  entries 0 1 2 4  mask 0x00000017  size 2.54M (2671616 bytes)\n"
    "  INSTALL_C  entries 0 1  mask 0x00000003  size 2.48M (2600960 bytes)\n\n"
    "Files (5):\n  readme.txt  (no type)  1001 bytes (counted as 1002)\n"
    "  game.exe  [EXE]  600000 bytes\n  se.dat  [SOUND]  2000001 bytes (counted as 2000002)\n  "
    "data\\script.dat  [DATA]  70000 bytes\n"
    "  manual.txt  (no type)  0 bytes\n\n"
    "setup.ini:27: warning: \"readme.txt\" belongs to no data type; no install copies it\n"
    "setup.ini:35: error: listed file \"manual.txt\" cannot be opened on the disc "
    "({disc}" SEP "SAMPLE" SEP
    "manual.txt)\n"
    "setup.ini:35: warning: \"manual.txt\" belongs to no data type; no install copies it\n";

// Parts of a report, one or more.
struct Parts : std::vector<std::string> {
  template <typename... Part>
  Parts(Part... parts) : std::vector<std::string>{parts...} {}
};

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
  // Runs setup-check here: its status, parts of its report (standard error at status 2), "!" one
  // not in it, "" no report at all; never a control byte for the terminal. Returns the report.
  std::string ExpectReport(const char* option, int status, const Parts& parts) {
    const char* argv[] = {"setup-check", option, nullptr};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int got = RunSetupCheck(option ? 2 : 1, const_cast<char**>(argv));
    std::string errors = testing::internal::GetCapturedStderr();
    std::string shown = testing::internal::GetCapturedStdout();
    EXPECT_EQ(got, status) << shown << errors;
    OsSetCurrentFolder(disc_.c_str());
    for (std::string part : parts) {  // {disc}: the scratch disc's folder
      for (size_t at; (at = part.find("{disc}")) != std::string::npos;) part.replace(at, 6, disc_);
      if (part.empty()) {
        EXPECT_EQ(shown, "");
      } else if (part[0] == '!') {
        EXPECT_EQ(shown.find(part.substr(1)), std::string::npos) << shown;
      } else {
        EXPECT_TRUE(Contains(status == 2 ? errors : shown, part));
      }
    }
    EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](char c) {
      return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7f;
    })) << shown;
    return shown;
  }
  std::string disc_;
};

// Texts go out as UTF-8; a byte that is no code page 932 character shows as \xNN.
TEST_F(SetupCheck, ExitStatusAndReports) {
  // setup.ini (null: none), the option, the exit status, parts of standard output.
  const std::tuple<const char*, const char*, int, Parts> cases[] = {
      {kSample, nullptr, 1, kSampleReport},
      {kSample, "--json", 1, "{\"name\": \"INSTALL_B\", \"entries\": [0, 1, 2, 4], \"mask\": 23"},
      {"#TITLE \"\t\x01\x95\x5c\\\"\n", "--json", 0,
       u8"\"TITLE\": \"\\t\\u0001表\\\\\",\n    \"PATH\": \"GAME\","},
      {"#EXE a.exe\n#FILE\nb.exe\n", "--json", 1,
       Parts("\"disc\": null,\n  \"types\": [],\n  \"sets\": [\n    {\"name\": \"INSTALL_S\"",
             "{\"line\": 1, \"severity\": \"warning\", \"message\": \"EXE \\\"a.exe\\\" is not "
             "listed among the FILE lines: no install copies it and the game cannot be started\", "
             "\"rule\": \"exe-not-listed\"},\n    {\"line\": 1, \"severity\": \"error\"")},
      {"#TITLE \x1b]0;x\x07\x7f\n#INSTALL_LST\n\x1b[2J\t\x01\n#FILE\nz\x1f\n", nullptr, 1,
       Parts("TITLE           \\x1b]0;x\\x07\\x7f\n", "   0  \\x1b[2J\\x09\\x01  0.00M",
             "\"z\\x1f\" names a device")},
      {"#TITLE x\n#PATH SAMPLE\n#FILE\n[]\ngame.exe\nse.dat\nreadme.txt\n", nullptr, 0,
       "setup.ini: warning: \"data\\script.dat\" is in the game folder but no FILE line lists it: "
       "no install copies it\n"},
      {"#TITLE x\n#PATH MANY\n#FILE\nf0\n", nullptr, 0,
       "setup.ini: warning: 1 more file in the game folder is listed by no FILE line\n"},
      {"#TITLE x\n#PATH G\n#FILE\nok.dat\n", nullptr, 0,
       Parts("setup.ini: warning: \"caf<U+00E9><U+2606><U+D55C>.txt\" is in the game folder but "
             "cannot be listed: its name has no code page 932 form; rename it\n"
#ifndef _WIN32
             ,
             "setup.ini: warning: \"bad.\" is in the game folder but cannot be listed: Windows "
             "reads its name as another (it ends in a dot or a blank, or names a device)\n",
             "is in the game folder but cannot be listed: its path is longer than the 259 bytes "
             "of a FILE line\n"
#endif
             )},
      {"#TITLE x\n#PATH NONE\n#FILE\na.dat\n", nullptr, 1,
       "setup.ini:2: error: the game folder \"NONE\" (PATH) is not on the disc: no listed file "
       "can be copied\nsetup.ini:4: error: listed file \"a.dat\" cannot be opened"},
      {"#PATH x\n", nullptr, 0,
       u8"setup.ini: warning: TITLE is never set: the window shows the built-in title Titleだよ\n"},
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
  for (const auto& [setupIni, option, status, parts] : cases) {
    remove("setup.ini");
    ResetSetupDescriptionToDefaults();
    if (setupIni != nullptr) WriteBytes("setup.ini", setupIni);
    ExpectReport(option, status, parts);
  }
}

// The problem lines with a line number, less those of files missing here.
std::string ProblemLines(const std::string& report) {
  std::string out;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    bool keep = line.rfind("setup.ini:", 0) == 0 && isdigit(static_cast<unsigned char>(line[10]));
    for (const char* part :
         {"cannot be opened", "is not on the disc", "longer than", "belongs to no data type"}) {
      keep = keep && line.find(part) == std::string::npos;
    }
    if (keep) out += line + "\n";
  }
  return out;
}
using PublisherChecks = SetupCheck;

#ifdef _WIN32
#define WINDOWS_FOLDER "C:\\windows"
#else
#define WINDOWS_FOLDER "C:\\Windows (assumed here, where the system has none)"
#endif
// Words that several problems share.
#define NOT_CP932 " of the line); save setup.ini in code page 932 (Shift-JIS)\n"
#define SWALLOWED " is read as part of a two-byte character: "
#define KATAKANA "; add a blank before the quote or use full-width katakana\n"
#define AS_COMMENT "\" is read as a comment line; the keyword is #"
#define ONE_FILE                                                                                \
  " are one file on Windows: the second copy overwrites the first and the player loses a game " \
  "file\n"
#define UTF8_TEXT                                                                             \
  "setup.ini is UTF-8: the launcher reads it as code page 932 and shows every Japanese text " \
  "garbled; save it as code page 932 (Shift_JIS)\n"
#define DEFAULT_FOLDER "the default install folder \""
#define JOINED "\" (DEFDIR and PATH joined) "
#define REFUSED ": the launcher refuses to install there\n"
#define TOO_LONG \
  ": a folder or file would pass Windows' 247 or 259 characters, and the launcher refuses it\n"
#define ADMIN                                                                                \
  ", which a standard user cannot write: the player would need administrator rights, which " \
  "the launcher never asks for; choose a folder such as C:\\Games\n"

// What setup-check tells a publisher beyond what loading reports: every problem line.
TEST_F(PublisherChecks, EachProblemWithItsLineAndWords) {
  // setup.ini, the exit status, every problem line (UTF-8, as shown).
  const std::tuple<std::string, int, std::string> cases[] = {
      // Half-width katakana before a quote: an odd run, an even run, 表, before a backslash.
      // (Status 1: the listed files are not on this disc.)
      {"#TITLE \"ﾃｽﾄ\"\n#PATH ﾃｽﾄ\"x\" y\"\n#TITLE \"ｱｲ\"\n#TITLE \"表\"\n#TITLE \"ﾃｽﾄ \"\n"
       "#REG_T ｱｲ\n#REG_P Software\\ｷ\\x\n#FILE\nｱｲ\\a\n表\\b\nｱ\\x.dat\n",
       1,
       u8"setup.ini:1: warning: the quote after \"ﾃｽﾄ\"" SWALLOWED "TITLE runs on to the end of "
       "the line" KATAKANA u8"setup.ini:2: warning: the quote after \"ﾃｽﾄ\"" SWALLOWED
       "PATH runs on to the next quote" KATAKANA},
      // Not code page 932: UTF-8 text, bytes no character starts with, a lone lead byte.
      {"#TITLE x\n#TITLE \xe3\x83\x86\xe3\x82\xb9\n#PATH \xe3\x83\x88\n", 1,
       "setup.ini:2: error: " UTF8_TEXT "setup.ini:2: error: 1 more error follows from the "
       "encoding and is not shown: save setup.ini as code page 932 first\n"},
      {"\xef\xbb\xbf#TITLE x\n", 1,
       "setup.ini:1: error: setup.ini begins with a UTF-8 byte order mark, so its first line "
       "is no keyword line; save setup.ini without it\n"},
      {"#TITLE \xe3\x83\x86\xe3\n", 1,  // not UTF-8 as a whole: each line is told
       u8"setup.ini:1: error: TITLE value \"繝\\x86\\xe3\" is not valid code page 932 (byte "
       "10" NOT_CP932},
      {"#INSTALL_LST\nx\x85\x40\n#INSTALL_S\n\xff\n#FILE\n[\x80]\na\xfd.dat\n", 1,
       "setup.ini:2: error: data type name \"x\\x85@\" is not valid code page 932 (byte 2" NOT_CP932
       "setup.ini:4: error: not list type: \"\\xff\" is the beginning of no declared type\n"
       "setup.ini:4: error: type reference \"\\xff\" is not valid code page 932 (byte 1" NOT_CP932
       "setup.ini:6: error: not list type: \"[\\x80]\" is the beginning of no declared type\n"
       "setup.ini:6: error: type reference \"[\\x80]\" is not valid code page 932 (byte 2" NOT_CP932
       "setup.ini:7: error: file line \"a\\xfd.dat\" is not valid code page 932 (byte 2" NOT_CP932},
      {"#FILE\n" + std::string(520, 'a') + "\x81\n", 1,  // the second piece of a line
       "setup.ini:2: error: file line \"aaaaaaaaa\\x81\" is not valid code page 932 (byte "
       "521" NOT_CP932},
      {"#MD \"\xa0\"\n", 1,
       "setup.ini:1: error: MD value \"\\xa0\"\" is not valid code page 932 (byte 6" NOT_CP932
       "setup.ini:1: warning: the quote after \"\\xa0\"" SWALLOWED "MD runs on to the end of "
       "the line" KATAKANA},
      // A keyword misspelt or in small letters makes a comment line; a word further off is one.
      {"#TITEL x\n#INSTAL_S\n#path y\n#XEE\n#FILES\n#MEMO\n#memo\n#INSTALL_S\n", 0,
       "setup.ini:1: warning: \"#TITEL" AS_COMMENT
       "TITLE\nsetup.ini:2: warning: \"#INSTAL_S" AS_COMMENT
       "INSTALL_S\nsetup.ini:3: warning: \"#path" AS_COMMENT "PATH\nsetup.ini:4: "
       "warning: \"#XEE" AS_COMMENT "EXE\nsetup.ini:5: warning: \"#FILES" AS_COMMENT "FILE\n"},
      // One file named twice: the same line, or names Windows takes for one.
      {"#FILE\na.dat\na.dat\nA.DAT\ns\\\x82\x71.txt\ns/\x82\x92.txt\n\x83\x9f\n\x83\xbf\n\x84\x40\n"
       "\x84\x70\n\x84\x60\n\x84\x91\n\x84\x80\n",
       1,
       u8"setup.ini:3: warning: the FILE line \"a.dat\" repeats line 2: the file is copied and "
       "counted twice\nsetup.ini:4: error: \"A.DAT\" and \"a.dat\" (line 2)" ONE_FILE
       "setup.ini:6: error: \"s/ｒ.txt\" and \"s\\Ｒ.txt\" (line 5)" ONE_FILE
       "setup.ini:8: error: \"α\" and \"Α\" (line 7)" ONE_FILE
       "setup.ini:10: error: \"а\" and \"А\" (line 9)" ONE_FILE
       "setup.ini:12: error: \"я\" and \"Я\" (line 11)" ONE_FILE},
      // A doubled backslash is named as what it is.
      {"#TITLE x\n#FILE\na\\\\b.dat\n", 1,
       "setup.ini:3: error: \"a\\\\b.dat\" has two separators in a row, which Windows reads as "
       "one; write one backslash between names. The line was dropped\n"},
      // EXE must be listed under a type every install copies (its absence: the JSON report).
      {"#EXE Game.exe\n#INSTALL_LST\n[A]\n[B]\n[C]\n#INSTALL_S\n[A]\n[C]\n#INSTALL_B\n[A]\n[B]\n"
       "[C]\n#FILE\n[B]\ngame.exe\n[C]\nrun.exe\n[A]\nplay.exe\n",
       1,
       "setup.ini:1: warning: EXE \"Game.exe\" is listed on line 15 under [B], which not every "
       "install copies: list it under type 0 or 1, in both INSTALL_S and INSTALL_B\n"},
      {"#EXE run.exe\n#INSTALL_LST\n[A]\n#INSTALL_S\n[A]\n#INSTALL_B\n[A]\n#FILE\nrun.exe\n", 1,
       "setup.ini:1: warning: EXE \"run.exe\" is listed on line 9 under no data type, which not "
       "every install copies: list it under type 0 or 1, in both INSTALL_S and INSTALL_B\n"},
      // The default install folder, DEFDIR and PATH joined and normalised.
      {"#DEFDIR d:/Games\n", 0, ""},
      {"#TITLE x\n#DEFDIR Games\n", 0,
       "setup.ini:2: warning: DEFDIR \"Games\" is not an absolute folder on a drive (X:\\...): "
       "the install dialog offers \"Games\\GAME\", which depends on where the launcher runs\n"},
      {"#PATH \"\"\n", 1,
       "setup.ini:1: error: " DEFAULT_FOLDER "c:" JOINED "is the root of a drive" REFUSED},
      {"#DEFDIR C:\\Games.\n", 1,
       "setup.ini:1: error: " DEFAULT_FOLDER "C:\\Games.\\GAME" JOINED "has a folder name that "
       "ends in a dot or a blank, which Windows drops" REFUSED},
      {"#DEFDIR C:\\Aux.dir\n", 1,
       "setup.ini:1: error: " DEFAULT_FOLDER "C:\\Aux.dir\\GAME" JOINED "has a folder name "
       "Windows reserves for a device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9)" REFUSED},
      {"#DEFDIR C:\\" + std::string(240, 'a') + "\n", 1,
       "setup.ini:1: error: " DEFAULT_FOLDER "C:\\" + std::string(240, 'a') +
           "\\GAME" JOINED "is too long for every install a player can choose" TOO_LONG},
      // A deep file of a type that only a custom install copies.
      {"#DEFDIR C:\\" + std::string(200, 'a') +
           "\n#INSTALL_LST\n[A]\n[B]\n[C]\n[CG16]\n#INSTALL_S\n[A]\n#INSTALL_B\n[A]\n#FILE\n"
           "[CG16]\ncg\\" +
           std::string(57, 'x') + "\n",
       1,
       "setup.ini:1: error: " DEFAULT_FOLDER "C:\\" + std::string(200, 'a') +
           u8"\\GAME" JOINED "is too long for the custom install (カスタム) with type 3 [CG16] "
           "ticked" TOO_LONG},
      // Folders a standard user cannot write, on the system's drive only.
      {"#TITLE x\n#DEFDIR C:\\Program Files\n", 0,
       "setup.ini:2: warning: " DEFAULT_FOLDER "C:\\Program Files\\GAME\" lies in C:\\Program "
       "Files" ADMIN},
      {"#TITLE x\n#DEFDIR c:\\progra~2\\Maker\n", 0,
       "setup.ini:2: warning: " DEFAULT_FOLDER "c:\\progra~2\\Maker\\GAME\" lies in "
       "c:\\progra~2" ADMIN},
      {"#TITLE x\n#DEFDIR D:\\Program Files\n#PATH ProgramData\n", 0, ""},
      // Lines ending in CR alone are one line to the loader: one error says why.
      {"#TITEL x\r#PATH y\r#FILE\r" + std::string(600, 'a') + "\r", 1,
       "setup.ini:1: error: lines end in CR only: save it with CR LF\n"},
      // After the encoding error, what follows from it is counted, not listed.
      {"#TITLE x\n#INSTALL_LST\n[\xe9\x9f\xb3]\n#INSTALL_S\n[X]\n[Y]\n", 1,
       "setup.ini:3: error: " UTF8_TEXT "setup.ini:3: error: 2 more errors follow from the "
       "encoding and are not shown: save setup.ini as code page 932 first\n"},
      {"#PATH a\x85\x40"
       "b\n",
       1,
       "setup.ini:1: error: PATH value \"a\\x85@b\" is not valid code page 932 (byte 8" NOT_CP932
       "setup.ini:1: error: " DEFAULT_FOLDER "c:\\a\\x85@b" JOINED "is no path Windows can read "
       "(not code page 932)" REFUSED},
      {"#PATH SYS\n#DEFDIR C:\\WINDOWS\\system32\n", 1,
       "setup.ini:2: error: " DEFAULT_FOLDER "C:\\WINDOWS\\system32\\SYS" JOINED "lies in the "
       "Windows folder " WINDOWS_FOLDER REFUSED},
  };
  for (const auto& [text, status, problems] : cases) {
    ResetSetupDescriptionToDefaults();
    WriteBytes("setup.ini", text);
    EXPECT_EQ(ProblemLines(ExpectReport(nullptr, status, {})), problems) << text;
  }
}

// Writes v's n low bytes at b[at], the lowest first.
void Put(std::string& b, size_t at, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

// A PE header: machine, subsystem and the version information's file description.
std::string Pe(uint16_t machine, uint16_t subsystem, const std::string& description) {
  std::string b = "MZ" + std::string(0x40 - 2 + 24 + 0xE0 + 8, '\0');
  Put(b, 0x3C, 0x40, 4), b.replace(0x40, 4, std::string("PE\0\0", 4)), Put(b, 0x44, machine, 2);
  Put(b, 0x40 + 20, 0xE0, 2), Put(b, 0x40 + 24, 0x10B, 2), Put(b, 0x40 + 24 + 68, subsystem, 2);
  // In UTF-16: the key, its zero and a zero of padding, then the value and its zero.
  for (char c : std::string("FileDescription\0\0", 17) + description + '\0') b += c, b += '\0';
  return b;
}

// The picture's header: signature, header size, width, height, planes, bits, compression.
std::string Bmp(const char* sig, uint32_t dib, int32_t w, int32_t h, int planes, int bits, int z) {
  std::string b = std::string(sig) + std::string(52 + 4, '\0');
  Put(b, 10, 54, 4), Put(b, 14, dib, 4), Put(b, 18, w, 4), Put(b, 22, h, 4), Put(b, 26, planes, 2);
  Put(b, 28, bits, 2), Put(b, 30, z, 4);
  if (dib == 12) Put(b, 18, w, 2), Put(b, 20, h, 2), Put(b, 22, planes, 2), Put(b, 24, bits, 2);
  return b;
}

// The root files as Windows finds them, in any case: the launcher proven by its header, its
// picture and the disc's own autorun.inf (make-disc's test ships one that starts setup.exe).
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
  const char kNone[] = "!warning: setup.", kNoPicture[] = "no picture the launcher";
  // Root files (setup.ini "#TITLE x" unless given), the exit status, parts of the report. The
  // launcher and the picture are judged apart: a row may hold a fault of each.
  const std::tuple<Files, int, Parts> rows[] = {
      {{{"SETUP.EXE", launcher}, {"Setup.Bmp", bmp}, {"SETUP.INI", "#TITLE x\n"}}, 0, kNone},
#ifndef _WIN32  // a Windows folder cannot hold both spellings
      {{{"setup.exe", launcher}, {"SETUP.EXE", launcher}, {"setup.bmp", bmp}},
       1,
       "setup.ini: error: \"setup.exe\" and \"SETUP.EXE\" are one name on Windows: keep one "
       "of them in the disc root\n"},
#endif
      // (make-disc's test refuses the x86_64 launcher, and accepts it for testing.)
      {{{"Setup.exe", Pe(0x1C0, 2, "Setup launcher")},
        {"setup.bmp", Bmp("GI", 40, 320, 240, 1, 24, 0)}},
       1,
       Parts("setup.ini: error: Setup.exe is a program for another processor, not i386: a "
             "player's Windows cannot start it as the disc's launcher; ship the 32-bit launcher, "
             "build/mingw-i686/bin/setup.exe\n",
             "setup.ini: warning: setup.bmp is no picture the launcher can load: the window "
             "shows a grey panel; save it as a Windows BMP, the only format the launcher loads\n")},
      {root("Stand-in for the launcher", Bmp("BM", 40, 320, 240, 1, 24, 4)), 1,  // JPEG
       Parts("error: setup.exe is no Windows program (it has no PE header)", kNoPicture)},
      // A 16-bit launcher of old: its header says NE where a Windows program says PE.
      {root(std::string(launcher).replace(0x40, 1, "N"), bmp), 1,
       "error: setup.exe is no Windows program (it has no PE header)"},
      {root(Pe(0x14C, 3, "Setup launcher"), Bmp("BM", 40, 320, 240, 0, 24, 0)), 1,
       Parts("setup.exe is no Windows GUI program (a console program or a driver)", kNoPicture)},
      {root(Pe(0x14C, 2, "Other installer"), Bmp("BM", 40, 320, 240, 1, 7, 0)), 0,
       Parts("setup.ini: warning: setup.exe is a 32-bit Windows program, but its version "
             "information does not say \"Setup launcher\": it is not this kit's launcher; make "
             "sure it is the one you mean to ship\n",
             kNoPicture)},
      {Files(), 0,
       Parts("setup.ini: warning: setup.exe is not in the disc root: the disc has no launcher "
             "for the player to start\n",
             "setup.ini: warning: setup.bmp is not in the disc root: the window shows a grey "
             "panel where the picture goes\n")},
      {root(launcher, Bmp("BM", 20, 320, 240, 1, 24, 0)), 0, kNoPicture},
      {root(launcher, Bmp("BM", 40, 0, 240, 1, 24, 0)), 0, kNoPicture},
      {{{"setup.exe", launcher},
        {"setup.bmp", Bmp("BM", 40, 640, 480, 1, 24, 0)},
        {"AUTORUN.INF", "[AutoRun]\r\nopen=menu.exe\r\nicon=game.ico,0\r\n"}},
       0,
       Parts("setup.ini: warning: setup.bmp is 640 x 480: the window scales it to 320 x 240\n",
             "setup.ini: warning: the disc's own AUTORUN.INF starts \"menu.exe\", not setup.exe: "
             "AutoPlay does not offer the launcher; remove the file and make-disc writes one "
             "that does\nsetup.ini: warning: the icon \"game.ico\" that AUTORUN.INF names is not "
             "on the disc: Explorer shows the drive without the game's icon\n")},
      {root(launcher, Bmp("BM", 40, 320, -240, 1, 32, 3)), 0, kNone},  // top-down, bit fields
      {root(launcher, Bmp("BM", 12, 320, 240, 1, 8, 0)), 0, kNone},
  };
  for (const auto& [files, status, parts] : rows) {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      std::filesystem::remove_all(entry.path());
    }
    for (const auto& [name, bytes] : files) WriteBytes(name, bytes);
    if (!Exists("SETUP.INI")) WriteBytes("setup.ini", "#TITLE x\n");
    ExpectReport(nullptr, status, parts);
  }
}

}  // namespace
