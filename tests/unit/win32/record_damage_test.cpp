// One damaged or foreign value in the product key must not hide an installed game.
#include <gtest/gtest.h>

#include <string>

#include "install/install_selection.h"  // g_InstallFolder
#include "install/installed_state.h"
#include "raw_registry.h"

TEST(RecordDamage, OversizedValuesBeforeTheRecordAreSkipped) {
  const wchar_t key[] = L"Software\\H2 損傷\\GAME";
  DeleteTree(L"Software\\H2 損傷");
  // Data over 256 bytes or the read buffer, a name over 255 characters; first in any order.
  SetRaw(key, L"A1", REG_BINARY, std::string(300, 'd').data(), 300);
  SetRaw(key, L"A2", REG_SZ, std::wstring(3000, L't').c_str(), 6000);
  SetRaw(key, (L"A3" + std::wstring(300, L'n')).c_str(), REG_SZ, L"x", 4);
  SetRaw(key, L"GAMEPATH", REG_SZ, L"C:\\GAME", 14);
  ReadInstalledState("Software\\H2 損傷\\GAME", g_InstallFolder);
  EXPECT_STREQ(g_InstallFolder, "C:\\GAME");
  DeleteTree(L"Software\\H2 損傷");
}
