// Passes on the problems found while loading setup.ini (setup_problems.h lists them). The
// launcher sets no reporter, so the only problem it shows is an unmatched type reference
// (two "TEST" boxes). setup-check sets a reporter and keeps every problem with its line.
#pragma once
#include "setup_source/setup_stream.h"

enum SetupSeverity { kSetupError, kSetupWarning };

#include "setup_source/setup_problems.h"

// A problem's parameters, and its arguments, with the line of setup.ini in front: the
// 1-based line being loaded, or 0 outside a load.
#define SETUP_LINE_PARAMETERS(...) (int line __VA_OPT__(, ) __VA_ARGS__)
#define SETUP_LINE_ARGUMENTS(...) (g_SetupTextLine __VA_OPT__(, ) __VA_ARGS__)

// One function per problem, each taking the line and the problem's own arguments.
struct SetupReporter {
#define SETUP_REPORTER_MEMBER(Name, severity, parameters, arguments, text) \
  void(*Name) SETUP_LINE_PARAMETERS parameters;
  SETUP_PROBLEMS(SETUP_REPORTER_MEMBER)
#undef SETUP_REPORTER_MEMBER
};

extern const SetupReporter* g_SetupReporter;

// ReportSettingCut(keyword, capacity) and one such function per problem: passes the problem
// on the current line to the reporter. Returns false when no reporter is set, so that the
// caller can show a box instead.
#define SETUP_REPORT_FUNCTION(Name, severity, parameters, arguments, text) \
  inline bool Report##Name parameters {                                    \
    if (g_SetupReporter == nullptr) return false;                          \
    g_SetupReporter->Name SETUP_LINE_ARGUMENTS arguments;                  \
    return true;                                                           \
  }
SETUP_PROBLEMS(SETUP_REPORT_FUNCTION)
#undef SETUP_REPORT_FUNCTION

// The signature the seven refusals share, for the tables that pick one by setting.
typedef bool (*SettingRefusal)(const char* keyword, const char* value, const char* keptKeyword,
                               const char* kept);
