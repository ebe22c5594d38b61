// The answers of the dialogs. A dialog always ends with the result 1; what the user
// chose travels in these flags, read by the code that opened the dialog right after it.
#pragma once
#include <stdint.h>

struct DialogOutcome {
  uint8_t confirmed;
  uint8_t uninstallConfirmed;
  uint8_t keepSaves;
  uint8_t exitConfirmed;
};

extern DialogOutcome g_DialogOutcome;
