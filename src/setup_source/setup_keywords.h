// The keywords of setup.ini: first the eight settings, each with the field it fills, then
// the section keywords. The loader matches lines against this table, and setup-check
// takes the names in its reports from it.
#pragma once
#include <stddef.h>

#include "setup_source/setup_description.h"
#include "setup_source/setup_report.h"

enum SetupSection { kNoSection, kTypeList, kSetS, kSetB, kSetC, kFileList };

struct SetupKeyword {
  const char* name;
  char* setting;  // null for a section keyword
  size_t cap;
  SetupSection section;
  bool (*accepts)(const char* value);  // null when any text will do
  SettingRefusal refusal;              // reported when accepts refuses a value
};

enum { kSettingKeywordCount = kSettingCount, kSetupKeywordCount = 13 };

// Settings come first, each at its SettingIndex. Keywords are compared, and reports list
// them, in this order.
extern const SetupKeyword kSetupKeywords[kSetupKeywordCount];

// The names of the three type sets, by TypeSetIndex.
extern const char* const kTypeSetNames[kTypeSetCount];
