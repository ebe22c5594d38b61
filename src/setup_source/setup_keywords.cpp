#include "setup_source/setup_keywords.h"

#include "setup_source/setting_rules.h"

const SetupKeyword kSetupKeywords[kSetupKeywordCount] = {
    {"TITLE", g_Setup.TITLE, sizeof g_Setup.TITLE, kNoSection, nullptr, kSettingCut},
    {"PATH", g_Setup.PATH, sizeof g_Setup.PATH, kNoSection, IsGameFolderName, kGameFolderRefused},
    {"DEFDIR", g_Setup.DEFDIR, sizeof g_Setup.DEFDIR, kNoSection, nullptr, kSettingCut},
    {"MD", g_Setup.MD, sizeof g_Setup.MD, kNoSection, IsSingleFileName, kFileNameRefused},
    {"EXE", g_Setup.EXE, sizeof g_Setup.EXE, kNoSection, IsPathInGameFolder, kGamePathRefused},
    {"REG_P", g_Setup.REG_P, sizeof g_Setup.REG_P, kNoSection, IsRegistryKeyPath, kKeyPathRefused},
    {"REG_S", g_Setup.REG_S, sizeof g_Setup.REG_S, kNoSection, IsRegistryKeyName, kKeyNameRefused},
    {"REG_T", g_Setup.REG_T, sizeof g_Setup.REG_T, kNoSection, IsRegistryKeyName, kKeyNameRefused},
    {"INSTALL_LST", nullptr, 0, kTypeList, nullptr, kSettingCut},
    {"INSTALL_S", nullptr, 0, kSetS, nullptr, kSettingCut},
    {"INSTALL_B", nullptr, 0, kSetB, nullptr, kSettingCut},
    {"INSTALL_C", nullptr, 0, kSetC, nullptr, kSettingCut},
    {"FILE", nullptr, 0, kFileList, nullptr, kSettingCut},
};

const char* const kTypeSetNames[kTypeSetCount] = {"INSTALL_S", "INSTALL_B", "INSTALL_C"};
