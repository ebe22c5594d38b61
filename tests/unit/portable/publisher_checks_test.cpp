// What setup-check tells a publisher beyond what loading reports.
#include <sstream>

#include "scratch_folder.h"
#include "setup_check.h"

namespace {

class PublisherChecks : public ScratchFolder {
 protected:
  // setup-check's text report of text, and its exit status.
  static std::string Report(const std::string& text, int* status) {
    ResetSetupDescriptionToDefaults();
    WriteBytes("setup.ini", text);
    const char* argv[] = {"setup-check", nullptr};
    testing::internal::CaptureStdout();
    *status = RunSetupCheck(1, const_cast<char**>(argv));
    return testing::internal::GetCapturedStdout();
  }
  // The problem lines, less the disc's (no line number) and what files missing here cause.
  static std::string Problems(const std::string& report) {
    std::string out;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
      bool skip = line.rfind("setup.ini:", 0) != 0 || line.rfind("setup.ini: ", 0) == 0;
      for (const char* part :
           {"cannot be opened", "is not on the disc", "longer than", "belongs to no data type"}) {
        skip = skip || line.find(part) != std::string::npos;
      }
      if (!skip) out += line + "\n";
    }
    return out;
  }
};

#ifdef _WIN32
#define WINDOWS_FOLDER "C:\\windows"
#else
#define WINDOWS_FOLDER "C:\\Windows (assumed here, where the system has none)"
#endif

TEST_F(PublisherChecks, EachProblemWithItsLineAndWords) {
  // setup.ini, the exit status, every problem line (UTF-8, as shown).
  const std::tuple<std::string, int, std::string> cases[] = {
      // Half-width katakana before a quote: an odd run, an even run, 表, before a backslash.
      {"#TITLE \"ﾃｽﾄ\"\n#PATH ﾃｽﾄ\"x\" y\"\n", 0,
       u8"setup.ini:1: warning: the quote after \"ﾃｽﾄ\" is read as part of a two-byte character: "
       u8"TITLE runs on to the end of the line; add a blank before the quote or use full-width "
       u8"katakana\n"
       u8"setup.ini:2: warning: the quote after \"ﾃｽﾄ\" is read as part of a two-byte character: "
       u8"PATH runs on to the next quote; add a blank before the quote or use full-width "
       u8"katakana\n"},
      // (Status 1: the listed files are not on this disc.)
      {"#TITLE \"ｱｲ\"\n#TITLE \"表\"\n#TITLE \"ﾃｽﾄ \"\n#REG_T ｱｲ\n#REG_P Software\\ｷ\\x\n"
       "#FILE\nｱｲ\\a\n表\\b\nｱ\\x.dat\n",
       1, ""},
      // Not code page 932: UTF-8 text, bytes no character starts with, a lone lead byte.
      {"#TITLE x\n#TITLE \xe3\x83\x86\xe3\x82\xb9\n#PATH \xe3\x83\x88\n", 1,
       "setup.ini:2: error: setup.ini is UTF-8: the launcher reads it as code page 932 and "
       "shows every Japanese text garbled; save it as code page 932 (Shift_JIS)\n"
       "setup.ini:2: error: 1 more error follows from the encoding and is not shown: save "
       "setup.ini as code page 932 first\n"},
      {"\xef\xbb\xbf#TITLE x\n", 1,
       "setup.ini:1: error: setup.ini begins with a UTF-8 byte order mark, so its first line "
       "is no keyword line; save setup.ini without it\n"},
      {"#TITLE \xe3\x83\x86\xe3\n", 1,  // not UTF-8 as a whole: each line is told
       u8"setup.ini:1: error: TITLE value \"繝\\x86\\xe3\" is not valid code page 932 (byte 10 "
       u8"of the line); save setup.ini in code page 932 (Shift-JIS)\n"},
      {"#INSTALL_LST\nx\x85\x40\n#INSTALL_S\n\xff\n#FILE\n[\x80]\na\xfd.dat\n", 1,
       u8"setup.ini:2: error: data type name \"x\\x85@\" is not valid code page 932 (byte 2 of "
       u8"the line); save setup.ini in code page 932 (Shift-JIS)\n"
       u8"setup.ini:4: error: not list type: \"\\xff\" is the beginning of no declared type\n"
       u8"setup.ini:4: error: type reference \"\\xff\" is not valid code page 932 (byte 1 of the "
       u8"line); save setup.ini in code page 932 (Shift-JIS)\n"
       u8"setup.ini:6: error: not list type: \"[\\x80]\" is the beginning of no declared type\n"
       u8"setup.ini:6: error: type reference \"[\\x80]\" is not valid code page 932 (byte 2 of "
       u8"the line); save setup.ini in code page 932 (Shift-JIS)\n"
       u8"setup.ini:7: error: file line \"a\\xfd.dat\" is not valid code page 932 (byte 2 of the "
       u8"line); save setup.ini in code page 932 (Shift-JIS)\n"},
      {"#FILE\n" + std::string(520, 'a') + "\x81\n", 1,  // the second piece of a line
       u8"setup.ini:2: error: file line \"aaaaaaaaa\\x81\" is not valid code page 932 (byte 521 "
       u8"of the line); save setup.ini in code page 932 (Shift-JIS)\n"},
      {"#MD \"\xa0\"\n", 1,
       u8"setup.ini:1: error: MD value \"\\xa0\"\" is not valid code page 932 (byte 6 of the "
       u8"line); save setup.ini in code page 932 (Shift-JIS)\n"
       u8"setup.ini:1: warning: the quote after \"\\xa0\" is read as part of a two-byte "
       u8"character: MD runs on to the end of the line; add a blank before the quote or use "
       u8"full-width katakana\n"},
      // A keyword misspelt or in small letters makes a comment line; a word further off is one.
      {"#TITEL x\n#INSTAL_S\n#path y\n#XEE\n#FILES\n#MEMO\n#memo\n#INSTALL_S\n", 0,
       "setup.ini:1: warning: \"#TITEL\" is read as a comment line; the keyword is #TITLE\n"
       "setup.ini:2: warning: \"#INSTAL_S\" is read as a comment line; the keyword is #INSTALL_S\n"
       "setup.ini:3: warning: \"#path\" is read as a comment line; the keyword is #PATH\n"
       "setup.ini:4: warning: \"#XEE\" is read as a comment line; the keyword is #EXE\n"
       "setup.ini:5: warning: \"#FILES\" is read as a comment line; the keyword is #FILE\n"},
      // One file named twice: the same line, or names Windows takes for one.
      {"#FILE\na.dat\na.dat\nA.DAT\ns\\\x82\x71.txt\ns/\x82\x92.txt\n\x83\x9f\n\x83\xbf\n\x84\x40\n"
       "\x84\x70\n\x84\x60\n\x84\x91\n\x84\x80\n",
       1,
       "setup.ini:3: warning: the FILE line \"a.dat\" repeats line 2: the file is copied and "
       "counted twice\n"
       "setup.ini:4: error: \"A.DAT\" and \"a.dat\" (line 2) are one file on Windows: the second "
       "copy overwrites the first and the player loses a game file\n"
       u8"setup.ini:6: error: \"s/ｒ.txt\" and \"s\\Ｒ.txt\" (line 5) are one file on Windows: the "
       u8"second copy overwrites the first and the player loses a game file\n"
       u8"setup.ini:8: error: \"α\" and \"Α\" (line 7) are one file on Windows: the second copy "
       u8"overwrites the first and the player loses a game file\n"
       u8"setup.ini:10: error: \"а\" and \"А\" (line 9) are one file on Windows: the second copy "
       u8"overwrites the first and the player loses a game file\n"
       u8"setup.ini:12: error: \"я\" and \"Я\" (line 11) are one file on Windows: the second copy "
       u8"overwrites the first and the player loses a game file\n"},
      // A doubled backslash is named as what it is.
      {"#TITLE x\n#FILE\na\\\\b.dat\n", 1,
       "setup.ini:3: error: \"a\\\\b.dat\" has two separators in a row, which Windows reads as "
       "one; write one backslash between names. The line was dropped\n"},
      // EXE must be listed, under a type every install copies.
      {"#EXE run.exe\n#FILE\ngame.exe\n", 1,
       "setup.ini:1: warning: EXE \"run.exe\" is not listed among the FILE lines: no install "
       "copies it and the game cannot be started\n"},
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
       u8"setup.ini:2: warning: DEFDIR \"Games\" is not an absolute folder on a drive (X:\\...): "
       u8"the install dialog offers \"Games\\GAME\", which depends on where the launcher runs\n"},
      {"#PATH \"\"\n", 1,
       u8"setup.ini:1: error: the default install folder \"c:\" (DEFDIR and PATH joined) is the "
       u8"root of a drive: the launcher refuses to install there\n"},
      {"#DEFDIR C:\\Games.\n", 1,
       "setup.ini:1: error: the default install folder \"C:\\Games.\\GAME\" (DEFDIR and PATH "
       "joined) has a folder name that ends in a dot or a blank, which Windows drops: the "
       "launcher refuses to install there\n"},
      {"#DEFDIR C:\\Aux.dir\n", 1,
       "setup.ini:1: error: the default install folder \"C:\\Aux.dir\\GAME\" (DEFDIR and PATH "
       "joined) has a folder name Windows reserves for a device (CON, PRN, AUX, NUL, COM1-COM9, "
       "LPT1-LPT9): the launcher refuses to install there\n"},
      {"#DEFDIR C:\\" + std::string(240, 'a') + "\n", 1,
       "setup.ini:1: error: the default install folder \"C:\\" + std::string(240, 'a') +
           "\\GAME\" (DEFDIR and PATH joined) is too long for every install a player can "
           "choose: a folder or file would pass Windows' 247 or 259 characters, and the "
           "launcher refuses it\n"},
      // A deep file of a type that only a custom install copies.
      {"#DEFDIR C:\\" + std::string(200, 'a') +
           "\n#INSTALL_LST\n[A]\n[B]\n[C]\n[CG16]\n#INSTALL_S\n[A]\n#INSTALL_B\n[A]\n#FILE\n"
           "[CG16]\ncg\\" +
           std::string(57, 'x') + "\n",
       1,
       u8"setup.ini:1: error: the default install folder \"C:\\" + std::string(200, 'a') +
           u8"\\GAME\" (DEFDIR and PATH joined) is too long for the custom install (カスタム) "
           u8"with type 3 [CG16] ticked: a folder or file would pass Windows' 247 or 259 "
           u8"characters, and the launcher refuses it\n"},
      // Folders a standard user cannot write, on the system's drive only.
      {"#TITLE x\n#DEFDIR C:\\Program Files\n", 0,
       "setup.ini:2: warning: the default install folder \"C:\\Program Files\\GAME\" lies in "
       "C:\\Program Files, which a standard user cannot write: the player would need "
       "administrator rights, which the launcher never asks for; choose a folder such as "
       "C:\\Games\n"},
      {"#TITLE x\n#DEFDIR c:\\progra~2\\Maker\n", 0,
       "setup.ini:2: warning: the default install folder \"c:\\progra~2\\Maker\\GAME\" lies "
       "in c:\\progra~2, which a standard user cannot write: the player would need "
       "administrator rights, which the launcher never asks for; choose a folder such as "
       "C:\\Games\n"},
      {"#TITLE x\n#DEFDIR D:\\Program Files\n#PATH ProgramData\n", 0, ""},
      // Lines ending in CR alone are one line to the loader: one error says why.
      {"#TITEL x\r#PATH y\r#FILE\r" + std::string(600, 'a') + "\r", 1,
       "setup.ini:1: error: lines end in CR only: save it with CR LF\n"},
      // After the encoding error, what follows from it is counted, not listed.
      {"#TITLE x\n#INSTALL_LST\n[\xe9\x9f\xb3]\n#INSTALL_S\n[X]\n[Y]\n", 1,
       "setup.ini:3: error: setup.ini is UTF-8: the launcher reads it as code page 932 and "
       "shows every Japanese text garbled; save it as code page 932 (Shift_JIS)\n"
       "setup.ini:3: error: 2 more errors follow from the encoding and are not shown: save "
       "setup.ini as code page 932 first\n"},
      {"#PATH a\x85\x40"
       "b\n",
       1,
       "setup.ini:1: error: PATH value \"a\\x85@b\" is not valid code page 932 (byte 8 of the "
       "line); save setup.ini in code page 932 (Shift-JIS)\n"
       "setup.ini:1: error: the default install folder \"c:\\a\\x85@b\" (DEFDIR and PATH "
       "joined) is no path Windows can read (not code page 932): the launcher refuses to "
       "install there\n"},
      {"#PATH SYS\n#DEFDIR C:\\WINDOWS\\system32\n", 1,
       u8"setup.ini:2: error: the default install folder \"C:\\WINDOWS\\system32\\SYS\" (DEFDIR "
       u8"and PATH joined) lies in the Windows "
       u8"folder " WINDOWS_FOLDER u8": the launcher refuses to install there\n"},
  };
  for (const auto& [text, status, problems] : cases) {
    int shownStatus = -1;
    std::string report = Report(text, &shownStatus);
    EXPECT_EQ(shownStatus, status) << text;
    EXPECT_EQ(Problems(report), problems) << text;
  }
}

TEST_F(PublisherChecks, ControlBytesNeverReachTheTerminal) {
  int status = -1;
  std::string report =
      Report("#TITLE \x1b]0;x\x07\x7f\n#INSTALL_LST\n\x1b[2J\t\x01\n#FILE\nz\x1f\n", &status);
  EXPECT_TRUE(Contains(report, "TITLE           \\x1b]0;x\\x07\\x7f\n"));
  EXPECT_TRUE(Contains(report, "   0  \\x1b[2J\\x09\\x01  0.00M"));
  EXPECT_TRUE(Contains(report, "\"z\\x1f\" names a device"));
  for (char c : report) {
    EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7f) || (c & 0x80)) << static_cast<int>(c);
  }
}

}  // namespace
