// The keywords of setup.ini: the eight settings with the field each fills, then the
// section keywords. The loader compares against this table; setup-check names by it.
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
  SetupProblem refusal;                // the report of a value accepts refuses
};

enum { kSettingKeywordCount = 8, kSetupKeywordCount = 13 };

// Settings first, in the order in which keywords are compared and reports show them.
extern const SetupKeyword kSetupKeywords[kSetupKeywordCount];

// The names of the three type sets, by TypeSetIndex.
extern const char* const kTypeSetNames[kTypeSetCount];
