// What setup-check says for each problem the loader reports.
#pragma once
#include "setup_source/setup_report.h"

// FormatText formats, by SetupProblem.
extern const char* const kSetupProblemTexts[kSetupProblemCount];
