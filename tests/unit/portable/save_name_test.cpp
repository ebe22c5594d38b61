#include "path/save_name.h"

#include <gtest/gtest.h>

// A save by Windows' reading of the name: its own extension, trailing dots and blanks dropped.
TEST(SaveName, TheExtensionAsWindowsReadsIt) {
  const std::pair<const char*, bool> cases[] = {
      {"SLOT1.Sav", true}, {"slot1.sav.", true},  {"slot1.sav .", true}, {".sav", true},
      {"a\\表.sav", true}, {"diary.save", false}, {"x.sav\\a", false},   {"x.sa v", false},
      {"x.savx.", false},  {"sav", false},        {"x.sav\\", false}};
  for (const auto& [name, save] : cases) EXPECT_EQ(HasSaveExtension(name), save) << name;
}
