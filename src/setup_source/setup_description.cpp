#include "setup_source/setup_description.h"

#include <string.h>

#include "text/bounded_text.h"

SetupDescription g_Setup;
const char kDefaultLogName[] = "game._md";
const char kDefaultMakerName[] = "QUERN FIELD";

void ResetSetupDescriptionToDefaults() {
  memset(&g_Setup, 0, sizeof g_Setup);
  CopyText(g_Setup.TITLE, sizeof g_Setup.TITLE, "Titleだよ");
  CopyText(g_Setup.PATH, sizeof g_Setup.PATH, "GAME");
  CopyText(g_Setup.DEFDIR, sizeof g_Setup.DEFDIR, "c:\\");
  CopyText(g_Setup.MD, sizeof g_Setup.MD, kDefaultLogName);
  CopyText(g_Setup.EXE, sizeof g_Setup.EXE, "game.exe");
  CopyText(g_Setup.REG_P, sizeof g_Setup.REG_P, "Software");
  CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, kDefaultMakerName);
  CopyText(g_Setup.REG_T, sizeof g_Setup.REG_T, "GAME");
  CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath, "Software\\QUERN FIELD\\GAME");
}
