// setup-check pointed at a drive's root (drives.sh maps them), and why a search ends there.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/platform.h"
#include "setup_check.h"
#include "unit/portable/scratch_folder.h"

namespace {

// The report's disc line and its drive's problem lines.
std::string DiscLines(const std::string& report) {
  std::istringstream lines(report);
  std::string out;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Disc ", 0) == 0 || line.rfind("setup.ini: warning: drive ", 0) == 0) {
      out += line + "\n";
    }
  }
  return out;
}

}  // namespace

using DiscCheck = ScratchFolder;  // setup-check leaves the disc root current

TEST_F(DiscCheck, SaysWhetherTheLauncherFindsTheDisc) {
  OsPrepareProcess();
  const std::pair<const char*, const char*> cases[] = {
      {"L:\\", "Disc            L:\\ CD-ROM drive, label \"BV\": the launcher finds it\n"},
      {"M:\\",
       "Disc            M:\\ CD-ROM drive, label \"BV\": the launcher does not find it\n"
       "setup.ini: warning: drive L: comes first and is a CD-ROM drive labelled BV too: the "
       "launcher takes that disc, not this one\n"},
      {"J:\\",
       "Disc            J:\\ CD-ROM drive, label \"bv\": the launcher does not find it\n"
       "setup.ini: warning: drive J: is labelled \"bv\": the launcher finds only a disc "
       "labelled BV\n"},
      {"W:\\",
       "Disc            W:\\ hard disk, label \"\": the launcher does not find it\n"
       "setup.ini: warning: drive W: is a hard disk: the launcher looks for its disc only in "
       "CD-ROM drives\n"
       "setup.ini: warning: drive W: is labelled \"\": the launcher finds only a disc labelled "
       "BV\n"},
  };
  for (const auto& [root, expected] : cases) {
    std::string path = std::string(root) + "setup.ini";
    ASSERT_TRUE(std::ofstream(path) << "#TITLE x\n") << path;
    const char* argv[] = {"setup-check", root, nullptr};
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunSetupCheck(2, const_cast<char**>(argv)), 0) << root;
    EXPECT_EQ(DiscLines(testing::internal::GetCapturedStdout()), expected) << root;
    remove(path.c_str());
  }
}
