#include "setup_source/setup_keywords.h"

const SetupKeyword kSetupKeywords[kSetupKeywordCount] = {
    {"TITLE", g_Setup.TITLE, sizeof g_Setup.TITLE, kNoSection},
    {"PATH", g_Setup.PATH, sizeof g_Setup.PATH, kNoSection},
    {"DEFDIR", g_Setup.DEFDIR, sizeof g_Setup.DEFDIR, kNoSection},
    {"MD", g_Setup.MD, sizeof g_Setup.MD, kNoSection},
    {"EXE", g_Setup.EXE, sizeof g_Setup.EXE, kNoSection},
    {"REG_P", g_Setup.REG_P, sizeof g_Setup.REG_P, kNoSection},
    {"REG_S", g_Setup.REG_S, sizeof g_Setup.REG_S, kNoSection},
    {"REG_T", g_Setup.REG_T, sizeof g_Setup.REG_T, kNoSection},
    {"INSTALL_LST", nullptr, 0, kTypeList},
    {"INSTALL_S", nullptr, 0, kSetS},
    {"INSTALL_B", nullptr, 0, kSetB},
    {"INSTALL_C", nullptr, 0, kSetC},
    {"FILE", nullptr, 0, kFileList},
};

const char* const kTypeSetNames[kTypeSetCount] = {"INSTALL_S", "INSTALL_B", "INSTALL_C"};
