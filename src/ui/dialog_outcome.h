// The player's answers to the dialogs. A dialog always ends with the result 1; the answer
// is passed in these flags instead, and the code that opened the dialog reads them right
// after it closes.
#pragma once
#include <stdint.h>

struct DialogOutcome {
  uint8_t confirmed;
  uint8_t uninstallConfirmed;
  uint8_t keepSaves;
  uint8_t exitConfirmed;
};

extern DialogOutcome g_DialogOutcome;
