// The scenarios the driver can run, each from a clean registry and an empty scratch drive.
#pragma once

#include "e2e.h"

namespace e2e {

struct Scenario {
  const wchar_t* name;
  void (*run)(Launcher& launcher);
  bool byDefault;  // false for the one that needs the disc to be absent
};

extern const Scenario g_Scenarios[];
extern const Scenario g_FaultScenarios[];

} // namespace e2e
