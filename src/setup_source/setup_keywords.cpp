#include "setup_source/setup_keywords.h"

#include "setup_source/setting_rules.h"

constexpr SetupKeyword kSetupKeywords[kSetupKeywordCount] = {
    {"TITLE", g_Setup.TITLE, sizeof g_Setup.TITLE, kNoSection, nullptr, nullptr},
    {"PATH", g_Setup.PATH, sizeof g_Setup.PATH, kNoSection, IsGameFolderName,
     ReportGameFolderRefused},
    {"DEFDIR", g_Setup.DEFDIR, sizeof g_Setup.DEFDIR, kNoSection, nullptr, nullptr},
    {"MD", g_Setup.MD, sizeof g_Setup.MD, kNoSection, IsSingleFileName, ReportFileNameRefused},
    {"EXE", g_Setup.EXE, sizeof g_Setup.EXE, kNoSection, IsPathInGameFolder, ReportGamePathRefused},
    {"REG_P", g_Setup.REG_P, sizeof g_Setup.REG_P, kNoSection, IsRegistryKeyPath,
     ReportKeyPathRefused},
    {"REG_S", g_Setup.REG_S, sizeof g_Setup.REG_S, kNoSection, IsRegistryKeyName,
     ReportKeyNameRefused},
    {"REG_T", g_Setup.REG_T, sizeof g_Setup.REG_T, kNoSection, IsRegistryKeyName,
     ReportKeyNameRefused},
    {"INSTALL_LST", nullptr, 0, kTypeList, nullptr, nullptr},
    {"INSTALL_S", nullptr, 0, kSetS, nullptr, nullptr},
    {"INSTALL_B", nullptr, 0, kSetB, nullptr, nullptr},
    {"INSTALL_C", nullptr, 0, kSetC, nullptr, nullptr},
    {"FILE", nullptr, 0, kFileList, nullptr, nullptr},
};

namespace {

constexpr bool StandsAt(int index, const char* name) {
  const char* own = kSetupKeywords[index].name;
  while (*own != '\0' && *own == *name) ++own, ++name;
  return *own == *name;
}

// Each setting's row stands at its SettingIndex, by which the description keeps its line.
static_assert(StandsAt(kTitleSetting, "TITLE") && StandsAt(kPathSetting, "PATH") &&
              StandsAt(kDefdirSetting, "DEFDIR") && StandsAt(kMdSetting, "MD") &&
              StandsAt(kExeSetting, "EXE") && StandsAt(kRegPSetting, "REG_P") &&
              StandsAt(kRegSSetting, "REG_S") && StandsAt(kRegTSetting, "REG_T") &&
              kSetupKeywords[kSettingCount].setting == nullptr);

}  // namespace

const char* const kTypeSetNames[kTypeSetCount] = {"INSTALL_S", "INSTALL_B", "INSTALL_C"};
