#include "install/folder_log.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include "install_folder.h"

using FolderLog = InstallFolder;

// Old log, a killed launcher's temporary log, folders now, new folders -> the merged log.
TEST_F(FolderLog, MergedLogsListParentsFirstOnlyWhatExists) {
  using Folders = std::vector<const char*>;
  const std::tuple<const char*, const char*, Folders, Folders, const char*> cases[] = {
      // A parent made again by this install comes before the child an earlier one made.
      {"W:\\inst\\a\\b\\\n", "", {"a\\b"}, {"W:\\inst\\a"}, "W:\\inst\\a\nW:\\inst\\a\\b\\\n"},
      // Gone folders drop out; the same folder in other letters is named once.
      {"W:\\inst\\gone\r\nW:\\inst\\B\\\n\nW:\\inst\\c\n",
       "W:\\inst\\c\\d\nW:\\inst\\\x95",
       {"b", "c\\d"},
       {"W:\\inst\\x", "W:\\inst\\b\\"},
       "W:\\inst\\c\nW:\\inst\\c\\d\nW:\\inst\\b\\\n"},
      {"", "", {"e\\f"}, {"W:\\inst\\e\\f", "W:\\inst\\e"}, "W:\\inst\\e\nW:\\inst\\e\\f\n"},
      // ｿ is one byte: it never takes the line feed after it.
      {"W:\\inst\\ｿ\n", "", {"ｿ\\x"}, {"W:\\inst\\ｿ\\x"}, "W:\\inst\\ｿ\nW:\\inst\\ｿ\\x\n"}};
  for (const auto& [old, leftover, folders, logged, merged] : cases) {
    ReleaseFolderLog();  // the folders there before
    for (const char* folder : folders) {
      CreateFolderPath((std::string("W:\\inst\\") + folder).c_str());
    }
    WriteBytes(kLogPath, old);
    if (*leftover) WriteBytes("W:\\inst\\game._m~", leftover);
    BeginFolderLog();
    for (const char* folder : logged) LogCreatedFolder(folder);
    EXPECT_EQ(ReadBytes(kLogPath), merged);
    EXPECT_FALSE(Exists("W:\\inst\\game._m~"));
  }
  WriteBytes("W:\\inst\\game._m~", "SAVE\x01");
  ASSERT_TRUE(OsCreateFolder("W:\\inst\\g"));
  LogCreatedFolder("W:\\inst\\g");
  EXPECT_EQ(ReadBytes(kLogPath), "W:\\inst\\ｿ\nW:\\inst\\ｿ\\x\nW:\\inst\\g\n");
  EXPECT_EQ(ReadBytes("W:\\inst\\game._m~"), "SAVE\x01");
  EXPECT_FALSE(Exists("W:\\inst\\game._m!"));
}

// Of an old log of 512 and 2 new folders, the 510 newest old ones stay, the new ones last.
TEST_F(FolderLog, AFullLogKeepsTheNewestEntries) {
  std::string old;
  for (int i = 1000; i < 1512; ++i) {
    old += "W:\\inst\\o" + std::to_string(i) + "\n";
    ASSERT_TRUE(OsCreateFolder(("W:\\inst\\o" + std::to_string(i)).c_str()));
  }
  WriteBytes(kLogPath, old);
  for (const char* folder : {"W:\\inst\\n1", "W:\\inst\\n2"}) {
    ASSERT_TRUE(OsCreateFolder(folder));
    LogCreatedFolder(folder);
  }
  std::vector<std::string> read = ReadEntries(ReadBytes(kLogPath));
  ASSERT_EQ(read.size(), 512u);
  EXPECT_EQ(read[0] + read[509] + read[510] + read[511],
            "W:\\inst\\o1002W:\\inst\\o1511W:\\inst\\n1W:\\inst\\n2");
}

// The folder log as read back: its line rules, and what is not a log at all.
TEST_F(FolderLog, ReadLineRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadEntries("C:\\A\r\n\\\\s\\B\\\n"), (V{"C:\\A", "\\\\s\\B\\"}));
  EXPECT_EQ(ReadEntries("C:\\A\n\nc:/B"), (V{"C:\\A", "", "c:/B"}));
  EXPECT_EQ(ReadEntries(""), V{});
  EXPECT_EQ(ReadEntries("C:\\" + std::string(597, 'x') + "\n"),
            (V{"C:\\" + std::string(508, 'x'), std::string(89, 'x')}));
  // A two-byte character at the cut is not split between two entries; ｿ is one byte.
  EXPECT_EQ(ReadEntries("C:\\" + std::string(506, 'x') + "ｿ表\n"),
            (V{"C:\\" + std::string(506, 'x') + "ｿ", "表"}));
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "C:\\F" + std::to_string(i) + "\n";
  EXPECT_EQ(ReadEntries(many).size(), 512u);
  // The log, and a temporary log cut short by a kill: each line ends at its line feed.
  const std::tuple<std::string, V, V> lines[] = {
      {"D:\\ｿﾌﾄ\nD:GAME\n", V{"D:\\ｿﾌﾄ", "D:GAME"}, V{"D:\\ｿﾌﾄ", "D:GAME"}},
      {"C:\\a\r\nC:\\ｿ", V{"C:\\a", "C:\\ｿ"}, V{"C:\\a"}},
      {"C:\\\xFD\nC:\\\x81", V{"C:\\\xFD", "C:\\\x81"}, V{"C:\\\xFD"}},
      {"C:\\\x81\r\nC", V{"<no file>"}, V{"C:\\\x81"}}};
  for (const auto& [bytes, read, temporary] : lines) {
    EXPECT_EQ(ReadEntries(bytes), read) << bytes;
    EXPECT_EQ(ReadEntries(bytes, ReadTemporaryFolderLog), temporary) << bytes;
  }
  // Not a log: a save, a relative line, a lone CR, no code page 932 text, a control byte.
  for (const std::string& bytes :
       {std::string("SAVE\0\x01", 6), std::string("C:\\a\nslot1.sav\n"),
        std::string("C:\\a\rC:\\b"), std::string("C:\\\x81\x20"), std::string("C:\\\x81\rx"),
        std::string("C:\\a\n\x1A"), std::string("1:\\a\n"), std::string("\\a\n")}) {
    EXPECT_EQ(ReadEntries(bytes), V{"<no file>"}) << bytes;
    EXPECT_EQ(ReadEntries(bytes + "\n", ReadTemporaryFolderLog), V{"<no file>"}) << bytes;
  }
  OsDeleteFile(kLogPath);
  FolderLogEntries none;
  EXPECT_FALSE(ReadFolderLog(kLogPath, &none));
}

#ifndef _WIN32  // a size limit is POSIX only; a failed move on Windows takes the same path
// A file size limit stops the write part way, as a full disk would.
TEST_F(FolderLog, ALogThatCannotBeWrittenStaysWhole) {
  const std::string old = "W:\\inst\\" + std::string(120, 'o');
  ASSERT_TRUE(OsCreateFolder(old.c_str()) && OsCreateFolder("W:\\inst\\n"));
  WriteBytes(kLogPath, old + "\n");
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {100, RLIM_INFINITY};
  setrlimit(RLIMIT_FSIZE, &limit);
  LogCreatedFolder("W:\\inst\\n");
  limit.rlim_cur = RLIM_INFINITY;
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(ReadBytes(kLogPath), old + "\n");
  EXPECT_FALSE(Exists("W:\\inst\\game._m~"));
}
#endif
