// The message setup-check prints for each problem the loader reports.
#pragma once
#include "setup_source/setup_report.h"

// FormatText format strings, indexed by SetupProblem.
extern const char* const kSetupProblemTexts[kSetupProblemCount];
