// What is (to be) installed and where: set by the install options dialog, stored in and
// read back from the installed-state record, read by the copy pass and the uninstaller.
#pragma once
#include <stdint.h>

#include "setup_source/setup_description.h"

enum InstallKindCode : uint32_t {
  kInstallNone = 0,
  kInstallMinimum = 1,
  kInstallMaximum = 2,
  kInstallCustom = 3,
};

// The types a custom install offers, by position: 0 to 4.
const TypeMask kCustomChoiceTypes = 0x1F;

extern uint32_t g_InstallKind;
extern TypeMask g_TypeMask;
// Normalised, without a trailing backslash.
extern char g_InstallFolder[kFolderCapacity + 1];
