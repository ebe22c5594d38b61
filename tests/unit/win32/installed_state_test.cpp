// The installed-state record against the real registry, Japanese or damaged.
#include "install/installed_state.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <tuple>

#include "install/install_selection.h"
#include "raw_registry.h"
#include "text/bounded_text.h"

namespace {

const char kKey[] = "Software\\H2 テスト\\GAME";
const wchar_t kWideKey[] = L"Software\\H2 テスト\\GAME";
const wchar_t kWideMaker[] = L"Software\\H2 テスト";

std::string Units(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

class InstalledState : public ::testing::Test {
 protected:
  void SetUp() override { DeleteTree(kWideMaker); }
  void TearDown() override {
    AllowChanges(kWideKey);
    DeleteTree(kWideMaker);
  }
  // Reads the record over values that show what it did not set.
  static void Read() {
    CopyText(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder, "K:\\");
    g_InstallKind = 7;
    g_TypeMask = 9;
    ReadInstalledState(kKey, g_InstallFolder);
  }
};

}  // namespace

// Numbers are their first four bytes, over 1,023 bytes is refused; foreign giants hide nothing.
TEST_F(InstalledState, DamagedValuesReadAsTheirBytesOrAreRefused) {
  // The value replaced, its type and bytes; the kind, types and folder's bytes read back.
  const std::tuple<const wchar_t*, DWORD, std::string, uint32_t, uint32_t, size_t> cases[] = {
      {L"INSTFLAG", REG_SZ, Units(L"3"), 0x33, 3, 4},
      {L"INSTFLAG", REG_BINARY, "", 0, 3, 4},
      {L"INSTTYPE", REG_BINARY, "\x1F", 1, 0x1F, 4},
      {L"INSTTYPE", REG_DWORD, "\x01\x02\x03\x04\x05\x06", 1, 0x04030201, 4},
      {L"INSTTYPE", REG_BINARY, std::string(1100, '\x07'), 1, 9, 4},
      {L"GAMEPATH", REG_SZ, Units(L"C:\\" + std::wstring(1020, L'a')), 1, 3, 1023},
      {L"GAMEPATH", REG_SZ, Units(L"C:\\" + std::wstring(1021, L'a')), 1, 3, 0},
      {L"GAMEPATH", REG_SZ, Units(L"C:\\" + std::wstring(1997, L'a')), 1, 3, 0},
      {L"GAMEPATH", REG_SZ, Units(L"C:\\" + std::wstring(511, L'表')), 1, 3, 0},
  };
  for (const auto& [name, type, data, kind, mask, folderBytes] : cases) {
    SetRaw(kWideKey, L"A1", REG_BINARY, std::string(1100, 'd').data(), 1100);
    SetRaw(kWideKey, L"A2", REG_SZ, std::wstring(3000, L't').c_str(), 6000);
    SetRaw(kWideKey, (L"A3" + std::wstring(300, L'n')).c_str(), REG_SZ, L"x", 4);
    SetRaw(kWideKey, L"CDPATH", REG_SZ, L"Q:\\", 6);
    SetRaw(kWideKey, L"GAMEPATH", REG_SZ, L"C:\\G", 8);
    SetRaw(kWideKey, L"INSTFLAG", REG_DWORD, "\x01\0\0\0", 4);
    SetRaw(kWideKey, L"INSTTYPE", REG_DWORD, "\x03\0\0\0", 4);
    SetRaw(kWideKey, name, type, data.data(), DWORD(data.size()));
    Read();
    EXPECT_EQ(g_InstallKind, kind) << name << data.size();
    EXPECT_EQ(g_TypeMask, mask) << name << data.size();
    EXPECT_EQ(strlen(g_InstallFolder), folderBytes) << name << data.size();
  }
  DeleteTree(kWideMaker);
  SetRaw(kWideKey, L"gamepath", REG_SZ, L"C:\\WRONG", 16);  // names are matched exactly
  Read();
  EXPECT_STREQ(g_InstallFolder, "");
}

// Every folder 開始 (Start) accepts reads back whole (263, 491 bytes), and bit 31 (no type).
TEST_F(InstalledState, LongJapaneseFoldersAndBit31ReadBackWhole) {
  for (int kanji : {130, 244}) {
    std::string folder = "D:\\";
    for (int i = 0; i < kanji; ++i) folder += "表";
    CopyText(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder, "Q:\\");
    g_InstallKind = 3 + 65536;
    g_TypeMask = 0x80000005u;
    ASSERT_TRUE(WriteInstalledState(kKey, folder.c_str()));
    Read();
    EXPECT_EQ(g_InstallFolder, folder) << kanji;
    EXPECT_EQ(g_InstallKind, 65539u);
    EXPECT_EQ(g_TypeMask, 0x80000005u);
    EXPECT_STREQ(g_Setup.SourceFolder, "Q:\\");
    char recorded[kPathSize] = "x";
    ReadRecordedFolder(kKey, recorded, sizeof recorded);
    EXPECT_EQ(recorded, folder);
  }
}

TEST_F(InstalledState, ReadOnlyKeyReadsAndRefusesTheWrite) {
  SetRaw(kWideKey, L"GAMEPATH", REG_SZ, L"C:\\GAME", 14);
  SetRaw(kWideKey, L"INSTFLAG", REG_DWORD, "\x02\0\0\0", 4);
  ASSERT_TRUE(DenyChanges(kWideKey));
  g_InstallKind = 1;
  EXPECT_FALSE(WriteInstalledState(kKey, "D:\\OTHER"));
  Read();
  EXPECT_STREQ(g_InstallFolder, "C:\\GAME");
  EXPECT_EQ(g_InstallKind, 2u);
  ASSERT_TRUE(AllowChanges(kWideKey));
  EXPECT_TRUE(WriteInstalledState(kKey, "D:\\OTHER"));
  Read();
  EXPECT_STREQ(g_InstallFolder, "D:\\OTHER");
}
