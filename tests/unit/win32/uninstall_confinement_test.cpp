// Uninstall touches only what an install made: logged folders in or above the install
// folder, the maker's key only when it holds nothing, and listed saves when they are kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "install/uninstaller.h"
#include "raw_registry.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kMaker[] = L"Software\\H2 片付け";
const fs::path kGame = L"W:\\cf\\ア\\Game";
// Listed files, and whether each stays when the saves are kept.
const std::pair<const char*, bool> kListed[] = {
    {"game.exe", false}, {"init.sav", true}, {"data\\slot.SAV", true}, {"diary.save", false}};

class UninstallConfinement : public ::testing::Test {
 protected:
  void SetUp() override {
    TearDown();
    ResetSetupDescriptionToDefaults();
    CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, "H2 片付け");
    CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath, "Software\\H2 片付け\\GAME");
    fs::create_directories(kGame / L"data");
    for (const auto& [name, kept] : kListed) {
      FileEntry& entry = g_Setup.files[g_Setup.fileCount++];
      CopyText(entry.name, sizeof entry.name, name);
      entry.mask = 1;
      std::ofstream(kGame / name) << "x";
    }
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\cf\\ア\\Game");
    g_TypeMask = 1;
  }
  void TearDown() override {
    fs::remove_all(L"W:\\cf");
    DeleteTree(kMaker);
  }
  static void UninstallRecorded(bool keepSaves = false) {
    g_InstallKind = kInstallMinimum;
    WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
    Uninstall(keepSaves);
  }
};

}  // namespace

TEST_F(UninstallConfinement, LoggedFoldersOnlyInOrAboveTheInstallFolder) {
  const std::tuple<const wchar_t*, const char*, bool> cases[] = {
      {L"W:\\cf\\ア", "W:\\cf\\ア", true},  // a parent
      {L"W:\\cf\\ア\\Game", "W:\\cf\\ア\\Game", true},
      {L"W:\\cf\\ア\\Game\\Sub", "w:\\CF\\ア\\GAME\\Sub", true},
      {L"W:\\cf\\ア\\Game\\data", "W:\\cf\\ア\\Game\\data\\", true},
      {L"W:\\cf\\out\\empty", "W:\\cf\\out\\empty", false},  // inside a parent is outside
      {L"W:\\cf\\ヂ\\Game", "W:\\cf\\ヂ\\Game", false},  // ヂ is ア with a lower-case second byte
  };
  std::ofstream log(kGame / L"game._md", std::ios::binary);
  for (const auto& [folder, entry, removed] : cases) log << entry << "\n" << std::flush;
  log.close();
  for (const auto& [folder, entry, removed] : cases) fs::create_directories(folder);
  UninstallRecorded();
  for (const auto& [folder, entry, removed] : cases)
    EXPECT_NE(fs::exists(folder), removed) << entry;
}

TEST_F(UninstallConfinement, MakersKeyGoesOnlyWhenItHoldsNothing) {
  SetRaw(kMaker, L"OTHER", REG_SZ, L"x", 4);  // another product's value
  UninstallRecorded();
  EXPECT_TRUE(KeyExists(kMaker));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kMaker, L"OTHER");
  UninstallRecorded();
  EXPECT_FALSE(KeyExists(kMaker));
}

TEST_F(UninstallConfinement, ListedSavesStayWhenKept) {
  UninstallRecorded(true);
  for (const auto& [name, kept] : kListed) EXPECT_EQ(fs::exists(kGame / name), kept) << name;
}
