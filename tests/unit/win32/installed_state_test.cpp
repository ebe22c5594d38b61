// The installed-state record against the real registry: Japanese folders under either ANSI
// code page, and records that other programs (or damage) left behind.
#include "install/installed_state.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "install/install_selection.h"
#include "raw_registry.h"
#include "text/bounded_text.h"

namespace {

const char kKey[] = "Software\\H2 テスト\\GAME";
const wchar_t kWideKey[] = L"Software\\H2 テスト\\GAME";
const wchar_t kWideMaker[] = L"Software\\H2 テスト";

class InstalledState : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteTree(kWideMaker);
    ResetGlobals();
  }
  static void ResetGlobals() {
    CopyText(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder, "K:\\");
    g_InstallKind = 0;
    g_TypeMask = 9;
  }
  void TearDown() override { DeleteTree(kWideMaker); }
};

}  // namespace

TEST_F(InstalledState, JapaneseFolderAndBit31ComeBackWhole) {
  g_InstallKind = 3 + 65536;
  g_TypeMask = 0x80000005u;
  CopyText(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder, "Q:\\");
  WriteInstalledState(kKey, "D:\\ゲーム\\表");
  EXPECT_EQ(ValueText(kWideKey, L"GAMEPATH"), L"D:\\ゲーム\\表");
  ResetGlobals();
  ReadInstalledState(kKey, g_InstallFolder);
  EXPECT_EQ(g_InstallKind, 65539u);
  EXPECT_EQ(g_TypeMask, 0x80000005u);  // bit 31 survives: its files are uninstalled too
  EXPECT_STREQ(g_Setup.SourceFolder, "Q:\\");
  EXPECT_STREQ(g_InstallFolder, "D:\\ゲーム\\表");
}

TEST_F(InstalledState, HostileAndForeignValues) {
  const wchar_t flagText[] = L"3";
  SetRaw(kWideKey, L"INSTFLAG", REG_SZ, flagText, sizeof flagText);
  SetRaw(kWideKey, L"INSTTYPE", REG_BINARY, "\x05", 1);
  SetRaw(kWideKey, L"gamepath", REG_SZ, L"C:\\WRONG", 16);
  SetRaw(kWideKey, L"CDPATH", REG_SZ, L"", 0);
  ReadInstalledState(kKey, g_InstallFolder);
  EXPECT_EQ(g_InstallKind, 0x33u);  // the text's bytes: the type is not looked at
  EXPECT_EQ(g_TypeMask, 5u);
  EXPECT_STREQ(g_InstallFolder, "");
  EXPECT_STREQ(g_Setup.SourceFolder, "");

  SetRaw(kWideKey, L"INSTFLAG", REG_DWORD, "\x02", 1);
  SetRaw(kWideKey, L"INSTTYPE", REG_DWORD, "\x01\x02\x03\x04\x05\x06", 6);
  ReadInstalledState(kKey, g_InstallFolder);
  EXPECT_EQ(g_InstallKind, 2u);
  EXPECT_EQ(g_TypeMask, 0x04030201u);

  // No bytes read as 0. Data over 256 bytes ends the reading at its value: created last
  // (and last by name, the order Wine gives), the others are read and the mask stays.
  SetUp();
  SetRaw(kWideKey, L"GAMEPATH", REG_SZ, L"C:\\G", 8);
  SetRaw(kWideKey, L"INSTFLAG", REG_BINARY, "", 0);
  SetRaw(kWideKey, L"INSTTYPE", REG_BINARY, std::string(300, '\x07').data(), 300);
  ReadInstalledState(kKey, g_InstallFolder);
  EXPECT_EQ(g_InstallKind, 0u);
  EXPECT_STREQ(g_InstallFolder, "C:\\G");
  EXPECT_EQ(g_TypeMask, 9u);
}

TEST_F(InstalledState, GamepathLongerThan256BytesIsRefusedNotCut) {
  struct Case {
    size_t characters;
    const wchar_t* unit;
    size_t bytes;  // 0: refused, the folder reads as not installed
  } cases[] = {{256, L"a", 256},
               {257, L"a", 0},
               {2000, L"a", 0},
               {129, L"表", 255},
               {130, L"表", 0}};  // 257 bytes, though 260 of UTF-16
  for (const Case& c : cases) {
    std::wstring folder = L"C:\\";
    while (folder.size() < c.characters) folder += c.unit;
    SetRaw(kWideKey, L"GAMEPATH", REG_SZ, folder.c_str(),
           static_cast<DWORD>(folder.size() * sizeof(wchar_t)));
    ReadInstalledState(kKey, g_InstallFolder);
    EXPECT_EQ(strlen(g_InstallFolder), c.bytes) << c.characters;
  }
}

TEST_F(InstalledState, DeletionsOfMissingKeysAreSilentAndKeysWithOthersStay) {
  DeleteProductKey(kKey);
  WriteInstalledState(kKey, "C:\\GAME");
  SetRaw(kWideKey, L"", REG_SZ, L"default", 14);
  DeleteProductKey(kKey);
  EXPECT_FALSE(KeyExists(kWideKey));
  SetRaw(L"Software\\H2 テスト\\OTHER", L"x", REG_SZ, L"", 0);
  DeleteRegistrySubkey("Software", "H2 テスト");  // another product's key is inside: stays
  EXPECT_TRUE(KeyExists(kWideMaker));
}
