// The folder log as read back: its line rules, and what is not a log at all.
#include "install_folder.h"

using FolderLogReader = InstallFolder;

TEST_F(FolderLogReader, LineRules) {
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
