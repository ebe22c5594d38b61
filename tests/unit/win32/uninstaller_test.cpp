// Uninstall of a real tree on W: with its record: only what the install made goes.
#include "install/uninstaller.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "install/folder_creation.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "raw_registry.h"
#include "text/bounded_text.h"
#include "unit/portable/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kTree = L"W:\\h2u\\ゲーム\\表";
const wchar_t kKey[] = L"Software\\H2 アンインストール\\GAME";
const wchar_t kMaker[] = L"Software\\H2 アンインストール";
const char kLogFile[] = "W:\\h2u\\ゲーム\\表\\game._md";
const char kLog[] = "W:\\h2u\nW:\\h2u\\ゲーム\nW:\\h2u\\ゲーム\\表\nW:\\h2u\\ゲーム\\表\\data\\\n";
// What a write killed before it replaced the log left, cut inside its last line.
const char kTemporaryLog[] =
    "W:\\h2u\\ゲーム\\表\\data\\bgm\\\nW:\\h2u\\ゲーム\\表\\ソ\\\nW:\\h2u\\ゲ";

// Files the uninstall must leave although their names look like its own.
const wchar_t* const kLookalikes[] = {L"diary.save", L"data\\deep.sav", L"extra.dat"};

bool InTree(const wchar_t* relative) { return fs::exists(kTree / relative); }
void WideWrite(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class Uninstaller : public ::testing::Test {
 protected:
  void SetUp() override { MakeInstalledTree(); }
  void TearDown() override { RemoveAll(); }
  // What an install leaves: the record, the log, files of two types and the no-type bit, saves.
  void MakeInstalledTree(const std::string& log = kLog, const char* temporaryLog = kTemporaryLog) {
    RemoveAll();
    ResetSetupDescriptionToDefaults();
    CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, "H2 アンインストール");
    CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath,
             "Software\\H2 アンインストール\\GAME");
    // A type no extent installs (bit 6): a file of its name is the player's.
    const FileEntry files[] = {{"game.exe", 1, 0},         {"data\\a.bin", 2, 0},
                               {"data\\bgm\\b.wav", 2, 0}, {"ソ\\表.dat", 1u << 31, 0},  // no type
                               {"init.sav", 1, 0},         {"data\\slot.SAV", 2, 0},
                               {"notes.save", 1, 0},       {"extra.dat", 1u << 6, 0}};
    g_Setup.fileCount = 8;
    g_Setup.sets[kInstallS].mask = 0x80000001u;
    std::copy(std::begin(files), std::end(files), g_Setup.files);
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\h2u\\ゲーム\\表");
    if (!log.empty()) WideWrite(kTree / L"game._md", log);
    if (*temporaryLog != '\0') WideWrite(kTree / L"game._m~", temporaryLog);
    for (const wchar_t* file : {L"game.exe", L"data\\a.bin", L"data\\bgm\\b.wav", L"ソ\\表.dat",
                                L"init.sav", L"data\\slot.SAV", L"notes.save", L"Top.SAV"}) {
      WideWrite(kTree / file, "x");
    }
    for (const wchar_t* file : kLookalikes) WideWrite(kTree / file, "x");
    g_InstallKind = kInstallMinimum;
    g_TypeMask = 0x1;
    WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  }
  // Uninstalls what the record says: the minimum, as after a killed maximum or another window.
  bool Run(bool keepSaves) {
    g_InstallKind = kInstallMinimum;
    char leftover[kPathSize];
    result = Uninstall(keepSaves, leftover, sizeof leftover);
    place = leftover;
    return result == kUninstallDone;
  }
  static void RemoveAll() {
    std::error_code ignored;
    for (const wchar_t* path : {L"W:\\h2u", L"W:\\h2out", L"C:\\windows\\h2u", L"W:\\game.exe",
                                L"W:\\init.sav", L"W:\\Other.sav", L"W:\\game._md", L"W:\\data"}) {
      fs::remove_all(path, ignored);
    }
    DeleteTree(kMaker);
  }
  std::string place;
  UninstallResult result = kUninstallDone;
};

}  // namespace

// Kept saves keep their folders logged, so that the next uninstall removes them.
TEST_F(Uninstaller, RemovesTheTreeButNotLookalikesNorKeptSaves) {
  // Each file or folder, and whether it stays when the player keeps saves.
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"game.exe", false}, {L"data\\a.bin", false},   {L"data\\bgm", false},
      {L"ソ", false},       {L"notes.save", false},    {L"game._m~", false},
      {L"init.sav", true},  {L"data\\slot.SAV", true}, {L"Top.SAV", true}};
  for (bool keepSaves : {false, true}) {
    MakeInstalledTree();
    EXPECT_TRUE(Run(keepSaves));
    for (const auto& [file, kept] : cases) EXPECT_EQ(InTree(file), keepSaves && kept) << file;
    // diary.save's short name ends in .SAV, but its own extension is not; data\deep.sav stays.
    for (const wchar_t* kept : kLookalikes) EXPECT_TRUE(InTree(kept)) << kept;
    EXPECT_EQ(ReadBytes(kLogFile), keepSaves ? kLog : "<missing>");
    EXPECT_EQ(KeyExists(kKey), keepSaves);
    EXPECT_EQ(KeyExists(kMaker), keepSaves);
  }
  for (const wchar_t* file : kLookalikes) fs::remove(kTree / file);
  EXPECT_TRUE(Run(false));
  EXPECT_FALSE(fs::exists(L"W:\\h2u"));
}

// A file or folder held: the place is said, the record cleared, the folders still logged.
TEST_F(Uninstaller, WhatCannotBeRemovedStaysLogged) {
  const char kDataOnly[] = "W:\\h2u\\ゲーム\\表\\data\\\n";
  // What is held, the log before (null: the install's), the log after.
  const std::tuple<const wchar_t*, const char*, const char*> cases[] = {
      {L"data\\a.bin", nullptr, kLog},
      {L"", nullptr, "W:\\h2u\nW:\\h2u\\ゲーム\nW:\\h2u\\ゲーム\\表\n"},  // the folder itself
      // In a folder that was there before, only the check of each deleted file can tell.
      {L"game.exe", kDataOnly, kDataOnly}};
  for (const auto& [held, before, log] : cases) {
    MakeInstalledTree(before ? before : kLog, before ? "" : kTemporaryLog);
    for (const wchar_t* file : kLookalikes) fs::remove(kTree / file);
    HANDLE handle =
        CreateFileW((kTree / held).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Run(false));
    CloseHandle(handle);
    EXPECT_EQ(result, kUninstallLeftSomething);
    EXPECT_EQ(place, "W:\\h2u\\ゲーム\\表");
    EXPECT_EQ(ReadBytes(kLogFile), log);
    EXPECT_FALSE(KeyExists(kKey));
    EXPECT_TRUE(Run(false)) << "the next uninstall finishes the job";
    EXPECT_NE(fs::exists(L"W:\\h2u"), before == nullptr);
  }
}

// The log may be edited: only its empty folders in or above the install folder go.
TEST_F(Uninstaller, LoggedFoldersGoOnlyInOrAboveTheInstallFolder) {
  const std::tuple<const wchar_t*, const char*, bool> cases[] = {
      {L"W:\\h2u\\ゲーム", "W:\\h2u\\ゲーム", true},  // a parent, emptied
      {kTree.c_str(), "W:\\h2u\\ゲーム\\表\\", true},
      {L"W:\\h2u\\ゲーム\\表\\Sub", "w:\\H2U\\ゲーム\\表\\Sub\r", true},
      {L"W:\\h2u\\other", "W:\\h2u\\other", false},  // inside a parent is outside
      {L"W:\\h2out\\empty", "W:\\h2out\\empty", false},
  };
  std::string log = kLog;
  for (const auto& [folder, entry, removed] : cases) log += entry + std::string("\n");
  for (int i = 0; i < 1000; ++i) log += "W:\\h2out\\nothing" + std::to_string(i) + "\n";
  MakeInstalledTree(log);
  for (const wchar_t* file : kLookalikes) fs::remove(kTree / file);
  for (const auto& [folder, entry, removed] : cases) fs::create_directories(folder);
  EXPECT_TRUE(Run(false));
  for (const auto& [folder, entry, removed] : cases) {
    EXPECT_NE(fs::exists(folder), removed) << entry;
  }
}

TEST_F(Uninstaller, ProductAndMakersKeysKeepForeignValuesAndKeys) {
  const std::wstring sub = std::wstring(kKey) + L"\\Theme";
  // Foreign values in the product key, a key below it, another product's value in the maker's.
  const std::tuple<bool, bool, bool> cases[] = {
      {true, false, true}, {true, true, false}, {false, false, true}};
  for (const auto& [values, withKey, makerValue] : cases) {
    MakeInstalledTree();
    if (values) SetRaw(kKey, L"", REG_SZ, L"d", 4);
    if (values) SetRaw(kKey, L"Licence", REG_SZ, L"x", 4);
    if (withKey) SetRaw(sub.c_str(), L"v", REG_SZ, L"y", 4);
    if (makerValue) SetRaw(kMaker, L"OTHER", REG_SZ, L"x", 4);
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(KeyExists(kKey), values || withKey) << values << withKey;
    EXPECT_EQ(KeyExists(sub.c_str()), withKey);
    LONG other = RegGetValueW(HKEY_CURRENT_USER, kMaker, L"OTHER", RRF_RT_ANY, 0, 0, 0);
    EXPECT_EQ(other, makerValue ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND) << "the maker's value";
    for (const wchar_t* name :
         {L"Licence", L"", L"INSTFLAG", L"INSTTYPE", L"CDPATH", L"GAMEPATH"}) {
      LONG found = RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, 0, 0, 0);
      EXPECT_EQ(found, values && name[0] == L'L' ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND) << name;
    }
  }
}

// A record naming a place the install dialog refuses, or none: nothing goes but the record.
TEST_F(Uninstaller, ARefusedPlaceIsLeftWhole) {
  SetCurrentDirectoryW(L"W:\\");
  const std::pair<const char*, fs::path> cases[] = {
      {"", L"W:\\"},
      {"W:\\to-windows\\h2u", L"C:\\windows\\h2u"},  // a link to the Windows folder
      {"W:\\h2u\\ゲーム\\表.", kTree},               // the system drops the dot
  };
  for (const auto& [recorded, folder] : cases) {
    MakeInstalledTree();
    fs::create_directories(folder / L"data");
    for (const wchar_t* file : {L"game.exe", L"init.sav", L"Other.sav"}) {
      WideWrite(folder / file, "x");
    }
    WideWrite(folder / L"game._md", std::string(recorded) + "\\data\\\n");
    CopyText(g_InstallFolder, sizeof g_InstallFolder, recorded);
    EXPECT_EQ(Run(false), *recorded == '\0') << recorded;
    EXPECT_EQ(result, *recorded == '\0' ? kUninstallDone : kUninstallRefusedPlace) << recorded;
    EXPECT_EQ(place, recorded);
    for (const wchar_t* file : {L"game.exe", L"init.sav", L"Other.sav", L"game._md", L"data"}) {
      EXPECT_TRUE(fs::exists(folder / file)) << recorded << " " << fs::path(file).string();
    }
    EXPECT_FALSE(KeyExists(kKey)) << recorded;
    RemoveAll();
  }
  SetCurrentDirectoryW(L"C:\\");
}

// Unlisted saves go only from a folder the install made; a file under the log's name is no log.
TEST_F(Uninstaller, UnlistedSavesGoOnlyFromAFolderTheInstallMade) {
  // The log, and whether it is no log at all (a made folder is swept in the first test).
  const std::pair<std::string, bool> cases[] = {
      {"W:\\h2u\\ゲーム\\表\\data\\\n", false},  // only a sub-folder was made
      {"", false},                               // no log: nothing was made
      {std::string("SAVE\0\x01\xff", 7), true},
      {"W:\\h2u\\ゲーム\\表\\data\\\nslot 1\n", true}};
  for (const auto& [log, foreign] : cases) {
    MakeInstalledTree(log, "");
    BeginFolderLog();
    EXPECT_EQ(CreateFolderPath("W:\\h2u\\ゲーム\\表\\new"), 1);
    ReleaseFolderLog();
    EXPECT_TRUE(Run(false)) << log;
    EXPECT_TRUE(InTree(L"Top.SAV")) << log;
    EXPECT_FALSE(InTree(L"init.sav") || InTree(L"data\\slot.SAV")) << "listed saves go";
    EXPECT_EQ(ReadBytes(kLogFile), foreign ? log : "<missing>");
    EXPECT_EQ(InTree(L"new") && InTree(L"data\\bgm"), foreign) << log;
  }
}

// A folder path too long for a system temporary name still gets its log.
TEST_F(Uninstaller, ALongInstallFolderGetsItsLog) {
  const std::string folder = "W:\\h2u\\" + std::string(240, 'L');  // 247 characters, the log 256
  CopyText(g_InstallFolder, sizeof g_InstallFolder, folder.c_str());
  BeginFolderLog();
  EXPECT_EQ(CreateFolderPath(folder.c_str()), 1);
  ReleaseFolderLog();
  EXPECT_EQ(ReadBytes((folder + "\\game._md").c_str()), folder + "\n");
}
