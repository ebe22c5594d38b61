// Uninstall of a real installed tree on drive W: with its record in the real registry:
// what goes, what a user's own files keep, and a log that was tampered with.
#include <gtest/gtest.h>

#include <string>

#include "install/folder_log.h"
#include "install/folder_preparation.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "install/uninstaller.h"
#include "raw_registry.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "ui/shared/dialog_outcome.h"
#include "wide_files.h"

namespace {

const wchar_t kKey[] = L"Software\\H2 アンインストール\\GAME";
const wchar_t kMaker[] = L"Software\\H2 アンインストール";

void AddFile(int row, const char* name, TypeMask mask) {
  CopyText(g_Setup.files[row].name, sizeof g_Setup.files[row].name, name);
  g_Setup.files[row].mask = mask;
}

// What an install leaves: the record, the log, the files of every type including the
// no-type bit, save files, and a user's own file in a sub-folder.
void Install() {
  CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\h2u\\ゲーム\\表");
  BeginFolderLog();
  ASSERT_EQ(CreateFolderPath(g_InstallFolder), 1);
  const wchar_t* subFolders[] = {L"W:\\h2u\\ゲーム\\表\\data", L"W:\\h2u\\ゲーム\\表\\data\\bgm",
                                 L"W:\\h2u\\ゲーム\\表\\ソ"};
  const char* logged[] = {"W:\\h2u\\ゲーム\\表\\data\\", "W:\\h2u\\ゲーム\\表\\data\\bgm\\",
                          "W:\\h2u\\ゲーム\\表\\ソ\\"};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(CreateDirectoryW(subFolders[i], nullptr));
    LogCreatedFolder(logged[i]);
  }
  WriteFolderLog();
  ReleaseFolderLog();
  const wchar_t* files[] = {L"game.exe", L"data\\a.bin",    L"data\\bgm\\b.wav", L"ソ\\表.dat",
                            L"Top.SAV",  L"data\\deep.sav", L"data\\notes.txt",  L"diary.save"};
  for (const wchar_t* file : files)
    WideWrite((std::wstring(L"W:\\h2u\\ゲーム\\表\\") + file).c_str(), "x");
  g_InstallKind = kInstallCustom;
  g_TypeMask = 0x80000003u;
  CopyText(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder, "K:\\");
  WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  // A new run: everything comes from the record.
  g_InstallKind = 0;
  g_TypeMask = 0;
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
}

bool InTree(const wchar_t* relative) {
  return WideExists((std::wstring(L"W:\\h2u\\ゲーム\\表\\") + relative).c_str());
}

class Uninstaller : public ::testing::Test {
 protected:
  void SetUp() override {
    WideRemoveTree(L"W:\\h2u");
    WideRemoveTree(L"W:\\h2out");
    DeleteTree(kMaker);
    ResetSetupDescriptionToDefaults();
    CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, "H2 アンインストール");
    CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath,
             "Software\\H2 アンインストール\\GAME");
    AddFile(0, "game.exe", 1);
    AddFile(1, "data\\a.bin", 2);
    AddFile(2, "data\\bgm\\b.wav", 2);
    AddFile(3, "ソ\\表.dat", 0x80000000u);
    g_Setup.fileCount = 4;
    g_DialogOutcome = DialogOutcome{};
  }
  void TearDown() override {
    WideRemoveTree(L"W:\\h2u");
    WideRemoveTree(L"W:\\h2out");
    DeleteTree(kMaker);
  }
};

}  // namespace

TEST_F(Uninstaller, WithoutKeepingSaves) {
  Install();
  ASSERT_EQ(g_TypeMask, 0x80000003u);
  g_DialogOutcome.uninstallConfirmed = 1;
  Uninstall();
  for (const wchar_t* gone : {L"game.exe", L"data\\a.bin", L"data\\bgm\\b.wav", L"ソ\\表.dat",
                              L"Top.SAV", L"game._md", L"data\\bgm", L"ソ"}) {
    EXPECT_FALSE(InTree(gone)) << gone;
  }
  // A save file below the top level is not matched; it and the user's file keep data\,
  // which keeps the install folder and its created parents.
  EXPECT_TRUE(InTree(L"data\\deep.sav"));
  EXPECT_TRUE(InTree(L"data\\notes.txt"));
  EXPECT_TRUE(InTree(L"diary.save"));
  EXPECT_TRUE(WideIsFolder(L"W:\\h2u\\ゲーム\\表"));
  EXPECT_FALSE(KeyExists(kKey));
  EXPECT_FALSE(KeyExists(kMaker));
}

TEST_F(Uninstaller, KeepingSavesClearsTheRecordAndKeepsItsKey) {
  Install();
  g_DialogOutcome.keepSaves = 1;
  Uninstall();
  EXPECT_TRUE(InTree(L"Top.SAV"));
  EXPECT_FALSE(InTree(L"game.exe"));
  EXPECT_FALSE(InTree(L"data\\bgm"));
  ASSERT_TRUE(KeyExists(kKey));
  EXPECT_EQ(QueryRaw(kKey, L"INSTFLAG").bytes, std::string("\0\0\0\0", 4));
  EXPECT_EQ(QueryRaw(kKey, L"INSTTYPE").bytes, std::string("\0\0\0\0", 4));
  EXPECT_EQ(QueryRaw(kKey, L"GAMEPATH").bytes, WideBytes(L"W:\\h2u\\ゲーム\\表"));
}

TEST_F(Uninstaller, EverythingRemovableGoesWhenTheTreeHoldsNothingElse) {
  Install();
  DeleteFileW(L"W:\\h2u\\ゲーム\\表\\data\\deep.sav");
  DeleteFileW(L"W:\\h2u\\ゲーム\\表\\data\\notes.txt");
  DeleteFileW(L"W:\\h2u\\ゲーム\\表\\diary.save");
  Uninstall();
  EXPECT_FALSE(WideExists(L"W:\\h2u"));
}

TEST_F(Uninstaller, TamperedLogRemovesOnlyEmptyFoldersAndNeverFiles) {
  Install();
  ASSERT_TRUE(CreateDirectoryW(L"W:\\h2out", nullptr));
  ASSERT_TRUE(CreateDirectoryW(L"W:\\h2out\\full", nullptr));
  ASSERT_TRUE(CreateDirectoryW(L"W:\\h2out\\empty", nullptr));
  WideWrite(L"W:\\h2out\\full\\keep.txt", "x");
  WideWrite(L"W:\\h2out\\file.txt", "x");
  std::string log = "W:\\h2out\\full\r\nW:\\h2out\\file.txt\r\nW:\\h2out\\empty\r\n";
  for (int i = 0; i < 1000; ++i) log += "W:\\h2out\\nothing" + std::to_string(i) + "\n";
  log += std::string("\x01\xff\x95\x5c\x00junk", 9);
  WideWrite(L"W:\\h2u\\ゲーム\\表\\game._md", log);
  Uninstall();
  EXPECT_TRUE(WideExists(L"W:\\h2out\\full\\keep.txt"));
  EXPECT_TRUE(WideExists(L"W:\\h2out\\file.txt"));
  EXPECT_FALSE(WideExists(L"W:\\h2out\\empty"));
  EXPECT_FALSE(InTree(L"game._md"));
}

TEST_F(Uninstaller, EmptyInstallFolderDeletesNothingAtTheDriveRoot) {
  Install();
  WideWrite(L"W:\\game.exe", "x");
  WideWrite(L"W:\\root.sav", "x");
  SetCurrentDirectoryW(L"W:\\");
  g_InstallFolder[0] = '\0';
  Uninstall();
  EXPECT_TRUE(WideExists(L"W:\\game.exe"));
  EXPECT_TRUE(WideExists(L"W:\\root.sav"));
  EXPECT_FALSE(KeyExists(kKey));  // the record is still cleared and removed
  SetCurrentDirectoryW(L"C:\\");
  DeleteFileW(L"W:\\game.exe");
  DeleteFileW(L"W:\\root.sav");
}
