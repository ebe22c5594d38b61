// Uninstall of a real installed tree on drive W: with its record in the real registry: the
// cases a whole run of the launcher does not reach (names that only look like save files,
// the no-type bit, a tampered log, an empty install folder).
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "install/uninstaller.h"
#include "raw_registry.h"
#include "text/bounded_text.h"

namespace {

namespace fs = std::filesystem;

const fs::path kTree = L"W:\\h2u\\ゲーム\\表";
const wchar_t kKey[] = L"Software\\H2 アンインストール\\GAME";
const wchar_t kMaker[] = L"Software\\H2 アンインストール";

bool InTree(const wchar_t* relative) { return fs::exists(kTree / relative); }
void WideWrite(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class Uninstaller : public ::testing::Test {
 protected:
  // What an install leaves: the record, the log (sub-folders with a trailing backslash, as
  // the copy step logs them), files of two types and of the no-type bit, save files, and
  // a user's own files.
  void SetUp() override {
    TearDown();
    ResetSetupDescriptionToDefaults();
    CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, "H2 アンインストール");
    CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath,
             "Software\\H2 アンインストール\\GAME");
    const char* names[] = {"game.exe", "data\\a.bin", "data\\bgm\\b.wav", "ソ\\表.dat"};
    const TypeMask masks[] = {1, 2, 2, 1u << 31};  // the last of the no-type bit only
    for (g_Setup.fileCount = 0; g_Setup.fileCount < 4; ++g_Setup.fileCount) {
      CopyText(g_Setup.files[g_Setup.fileCount].name, kFileNameCapacity + 1,
               names[g_Setup.fileCount]);
      g_Setup.files[g_Setup.fileCount].mask = masks[g_Setup.fileCount];
    }
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\h2u\\ゲーム\\表");
    fs::create_directories(kTree / L"data\\bgm");
    fs::create_directories(kTree / L"ソ");
    WideWrite(kTree / L"game._md",
              "W:\\h2u\nW:\\h2u\\ゲーム\nW:\\h2u\\ゲーム\\表\nW:\\h2u\\ゲーム\\表\\data\\\n"
              "W:\\h2u\\ゲーム\\表\\data\\bgm\\\nW:\\h2u\\ゲーム\\表\\ソ\\\n");
    for (const wchar_t* file : {L"game.exe", L"data\\a.bin", L"data\\bgm\\b.wav", L"ソ\\表.dat",
                                L"Top.SAV", L"data\\deep.sav", L"diary.save"}) {
      WideWrite(kTree / file, "x");
    }
    g_InstallKind = kInstallCustom;
    g_TypeMask = 0x80000003u;
    WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(L"W:\\h2u", ignored);
    fs::remove_all(L"W:\\h2out", ignored);
    DeleteTree(kMaker);
  }
};

}  // namespace

TEST_F(Uninstaller, RemovesTheRecordedTreeButNotLookalikes) {
  Uninstall(false);
  for (const wchar_t* gone :
       {L"game.exe", L"data\\a.bin", L"data\\bgm", L"ソ", L"Top.SAV", L"game._md"}) {
    EXPECT_FALSE(InTree(gone)) << gone;
  }
  // diary.save has a short name ending in .SAV, but its own extension is not .sav; a save
  // below the top level is not matched, and keeps data\ and the folders above it.
  EXPECT_TRUE(InTree(L"diary.save"));
  EXPECT_TRUE(InTree(L"data\\deep.sav"));
  EXPECT_FALSE(KeyExists(kKey));
  EXPECT_FALSE(KeyExists(kMaker));
}

TEST_F(Uninstaller, TamperedLogRemovesOnlyEmptyFoldersAndNeverFiles) {
  fs::create_directories(L"W:\\h2out\\full");
  fs::create_directories(L"W:\\h2out\\empty");
  for (const wchar_t* file : {L"W:\\h2out\\full\\keep.txt", L"W:\\h2out\\file.txt"})
    WideWrite(file, "x");
  std::string log = "W:\\h2out\\full\r\nW:\\h2out\\file.txt\r\nW:\\h2out\\empty\r\n";
  for (int i = 0; i < 1000; ++i) log += "W:\\h2out\\nothing" + std::to_string(i) + "\n";
  WideWrite(kTree / L"game._md", log + std::string("\x01\xff\x95\x5c\x00junk", 9));
  Uninstall(false);
  EXPECT_TRUE(fs::exists(L"W:\\h2out\\full\\keep.txt"));
  EXPECT_TRUE(fs::exists(L"W:\\h2out\\file.txt"));
  EXPECT_TRUE(fs::exists(L"W:\\h2out\\empty"));  // outside the install folder
  EXPECT_FALSE(InTree(L"game._md"));
}

TEST_F(Uninstaller, EmptyInstallFolderDeletesNothingAtTheDriveRoot) {
  for (const wchar_t* file : {L"W:\\game.exe", L"W:\\root.sav"}) WideWrite(file, "x");
  SetCurrentDirectoryW(L"W:\\");
  g_InstallFolder[0] = '\0';
  Uninstall(false);
  SetCurrentDirectoryW(L"C:\\");
  EXPECT_TRUE(fs::remove(L"W:\\game.exe"));
  EXPECT_TRUE(fs::remove(L"W:\\root.sav"));
  EXPECT_FALSE(KeyExists(kKey));  // the record is still cleared and removed
}
