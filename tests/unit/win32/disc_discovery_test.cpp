// The disc search on real drives: a CD-ROM drive labelled exactly BV, first by letter.
#include "setup_source/disc_discovery.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(DiscDiscovery, FirstCdRomLabelledExactlyBvWins) {
  OsPrepareProcess();
  // H (no disc), I (a hard disk "BV"), J ("bv") and K ("BVX") are passed over; M is a
  // second disc after L.
  EXPECT_EQ(FindSourceDisc(), 'L' - 'A');
  EXPECT_TRUE(IsSourceDisc('I' - 'A'));  // the label alone; the drive type is the search's
  EXPECT_FALSE(IsSourceDisc(-1));
  EXPECT_FALSE(IsSourceDisc(26));
}
