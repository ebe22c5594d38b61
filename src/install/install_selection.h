// What is installed, or is to be installed, and where. The install options dialog sets
// it; it is stored in the installed-state record and read back from there; the copy pass
// and the uninstaller read it.
#pragma once
#include <stdint.h>

#include "setup_source/setup_description.h"

enum InstallKindCode : uint32_t {
  kInstallNone = 0,
  kInstallMinimum = 1,
  kInstallMaximum = 2,
  kInstallCustom = 3,
};

// The types a custom install offers: types 0 to 4.
const TypeMask kCustomChoiceTypes = 0x1F;

extern uint32_t g_InstallKind;
extern TypeMask g_TypeMask;
// Always normalised, without a trailing backslash.
extern char g_InstallFolder[kPathSize];
