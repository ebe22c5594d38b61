// The main window's keyboard order over enabled buttons: Run game, Install, Uninstall, Exit.
#include "ui/button_order.h"

#include <gtest/gtest.h>

TEST(ButtonOrder, TabAndShiftTabPassOverDisabledButtons) {
  struct Case {
    const char* enabled;  // Run game, Install, Uninstall, Exit
    int current, step, next;
  } cases[] = {
      {"0101", -1, 1, 1},  {"0101", 1, 1, 3},  {"0101", 3, 1, 1},   {"0101", 1, -1, 3},
      {"0101", -1, -1, 3}, {"1011", -1, 1, 0}, {"1011", 0, 1, 2},   {"1011", 3, 1, 0},
      {"1011", 2, -1, 0},  {"1011", 0, -1, 3}, {"0000", -1, 1, -1},
  };
  for (const Case& c : cases) {
    bool enabled[kMainButtonCount];
    for (int slot = 0; slot < kMainButtonCount; ++slot) enabled[slot] = c.enabled[slot] == '1';
    EXPECT_EQ(NextButtonSlot(enabled, c.current, c.step), c.next)
        << c.enabled << " from " << c.current << " step " << c.step;
  }
}
