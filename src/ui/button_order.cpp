#include "ui/button_order.h"

int NextButtonSlot(const bool enabled[kMainButtonCount], int current, int step) {
  int slot = current;
  if (slot < 0) slot = step > 0 ? kMainButtonCount - 1 : 0;
  for (int tried = 0; tried < kMainButtonCount; ++tried) {
    slot = (slot + step + kMainButtonCount) % kMainButtonCount;
    if (enabled[slot]) return slot;
  }
  return -1;
}
