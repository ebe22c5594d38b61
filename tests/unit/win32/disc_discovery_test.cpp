// The disc search on real drives (drives.sh maps them): only a CD-ROM drive labelled
// exactly BV qualifies, the first in letter order wins, an empty drive is passed over.
#include "setup_source/disc_discovery.h"

#include <gtest/gtest.h>

#include "platform/drives.h"
#include "platform/platform.h"

namespace {
int Index(char letter) { return letter - 'A'; }
}  // namespace

TEST(DiscDiscovery, FirstCdRomLabelledBvWins) {
  OsPrepareProcess();
  // H (no disc), I (hard disk "BV") and J ("bv") come first and are passed over; N is
  // a second disc after K.
  EXPECT_EQ(FindSourceDisc(), Index('K'));
}

TEST(DiscDiscovery, LabelAndTypeOfEachDrive) {
  struct Case {
    char letter;
    bool cdRom;
    bool source;
  } cases[] = {
      {'H', true, false}, {'I', false, true}, {'J', true, false},
      {'K', true, true},  {'L', true, false}, {'N', true, true},
  };
  for (const Case& c : cases) {
    char root[4] = {c.letter, ':', '\\', '\0'};
    EXPECT_EQ(OsGetDriveType(root) == kDriveCdRom, c.cdRom) << c.letter;
    EXPECT_EQ(IsSourceDisc(Index(c.letter)), c.source) << c.letter;
  }
  EXPECT_FALSE(IsSourceDisc(-1));
  EXPECT_FALSE(IsSourceDisc(26));
}
