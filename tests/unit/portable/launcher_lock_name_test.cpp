#include "platform/launcher_lock_name.h"

#include <gtest/gtest.h>

#include <utility>

// One launcher per key, folding ASCII letters but no second byte (ア 0x83 0x41, ヂ 0x83 0x61).
TEST(LauncherLockName, IgnoresTheCaseOfLetters) {
  const std::pair<const char*, const char*> cases[] = {
      {"Software\\QUERN FIELD\\GAME", "Local\\SetupLauncher.87c27a4e0d68525d"},
      {"software\\quern field\\game", "Local\\SetupLauncher.87c27a4e0d68525d"},
      {"Software\\ア", "Local\\SetupLauncher.2a18c9ffc7dd604c"},
      {"Software\\ヂ", "Local\\SetupLauncher.2a18e9ffc7dd96ac"}};
  for (const auto& [key, name] : cases) {
    char out[kLauncherLockNameCapacity] = "";
    FormLauncherLockName(key, out, sizeof out);
    EXPECT_STREQ(out, name) << key;
  }
}
