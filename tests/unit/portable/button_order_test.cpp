// The main window's keyboard order over enabled buttons: Run game, Install, Uninstall, Exit.
#include "ui/shared/button_order.h"

#include <gtest/gtest.h>

TEST(ButtonOrder, TabAndShiftTabPassOverDisabledButtons) {
  const bool notInstalled[] = {false, true, false, true};
  const bool installed[] = {true, false, true, true};
  const bool none[] = {false, false, false, false};
  struct Case {
    const bool* enabled;
    int current, step, next;
  } cases[] = {
      {notInstalled, -1, 1, kInstallSlot},
      {notInstalled, kInstallSlot, 1, kExitSlot},
      {notInstalled, kExitSlot, 1, kInstallSlot},
      {notInstalled, kInstallSlot, -1, kExitSlot},
      {notInstalled, -1, -1, kExitSlot},
      {installed, -1, 1, kRunGameSlot},
      {installed, kRunGameSlot, 1, kUninstallSlot},
      {installed, kExitSlot, 1, kRunGameSlot},
      {installed, kRunGameSlot, -1, kExitSlot},
      {installed, kUninstallSlot, -1, kRunGameSlot},
      {none, -1, 1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextButtonSlot(c.enabled, c.current, c.step), c.next)
        << c.current << " step " << c.step;
  }
}
