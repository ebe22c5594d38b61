// The main window's keyboard order over enabled buttons: Run game, Install, Uninstall, Exit.
#include "ui/button_order.h"

#include <gtest/gtest.h>

TEST(ButtonOrder, TabAndShiftTabPassOverDisabledButtons) {
  // Enabled buttons (Run game, Install, Uninstall, Exit), current slot, step, next slot.
  const std::tuple<const char*, int, int, int> cases[] = {
      {"0101", 3, 1, 1}, {"0101", 1, -1, 3}, {"0101", -1, -1, 3}, {"1011", -1, 1, 0},
      {"1011", 0, 1, 2}, {"1011", 2, -1, 0}, {"0000", -1, 1, -1},
  };
  for (const auto& [buttons, current, step, next] : cases) {
    bool enabled[kMainButtonCount];
    for (int slot = 0; slot < kMainButtonCount; ++slot) enabled[slot] = buttons[slot] == '1';
    EXPECT_EQ(NextButtonSlot(enabled, current, step), next) << buttons << current << step;
  }
}
