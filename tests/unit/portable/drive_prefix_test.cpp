#include "path/drive_prefix.h"

#include <gtest/gtest.h>

TEST(DrivePrefix, AsWindowsSplitsIt) {
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
