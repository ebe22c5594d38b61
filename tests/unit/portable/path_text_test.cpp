#include <gtest/gtest.h>
#include <string.h>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"

TEST(PathText, SeparatorsAndDrives) {
  for (char c : {'\\', '/'}) EXPECT_TRUE(IsPathSeparator(c)) << c;
  for (char c : {':', '|', '\0', '\x95'}) EXPECT_FALSE(IsPathSeparator(c)) << c;

  struct Case {
    const char* path;
    size_t prefix;  // as Windows splits it
    bool letter;    // a drive that can exist
  };
  const Case cases[] = {
      {"C:\\GAME", 2, true}, {"c:", 2, true},   {"z:/x", 2, true}, {"1:\\x", 2, false},
      {"@:", 2, false},      {"[:", 2, false},  {"表:", 0, false}, {"\xb1:", 2, false},
      {"C", 0, false},       {":\\", 0, false}, {"", 0, false},    {"\\\\s\\x", 0, false},
      {"CC:", 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DrivePrefixLength(c.path), c.prefix) << c.path;
    EXPECT_EQ(HasDriveLetter(c.path), c.letter) << c.path;
  }
}

// What Windows reads as ".", ".." or with its blanks dropped, never as a name of its own.
TEST(PathText, DotsAndBlanksOnly) {
  const std::pair<const char*, bool> cases[] = {
      {".", true},   {"..", true},        {"...", true}, {". .", true}, {"   ", true},
      {" ..", true}, {"", false},         {".a", false}, {"a.", false}, {". a", false},
      {"表", false}, {"\x81\x40", false},  // the full-width blank is a character of its own
  };
  for (const auto& [component, expected] : cases) {
    EXPECT_EQ(IsDotsAndBlanksOnly(component, strlen(component)), expected) << component;
  }
}
