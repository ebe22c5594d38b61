// The two forms of setup-check's report on standard output, both UTF-8.
#pragma once

#include "setup_source/setup_description.h"

// The eight settings of setup.ini by name, in the order both reports show them.
struct NamedSetting {
  const char* name;
  const char* value;
};
enum { kSettingCount = 8 };
extern const NamedSetting kSettings[kSettingCount];
extern const char* const kSetNames[kTypeSetCount];

// Settings, types with their size texts, the three sets, the files, then each problem
// as "setup.ini:LINE: error: MESSAGE".
void PrintTextReport();
// One JSON object with the members settings, product_key_path, source_folder, types,
// sets, files and diagnostics.
void PrintJsonReport();
