// Keeps the problems found while loading and checking setup.ini, for the report at the
// end.
#pragma once
#include "setup_source/setup_report.h"

struct Diagnostic {
  int line;
  SetupSeverity severity;
  char message[512];
  const char* rule;  // a stable id for scripts, or nullptr
};

enum { kMaxDiagnostics = 4096 };

extern Diagnostic g_Diagnostics[kMaxDiagnostics];
extern int g_DiagnosticCount;  // how many are in the table
extern int g_ErrorCount;       // all errors, including those the full table dropped

// Empties the table before a load.
void ClearDiagnostics();

// The reporter that setup-check installs before loading: it keeps each problem in its words.
extern const SetupReporter kDiagnosticCollector;

// Adds a problem that setup-check finds itself, beyond the loader's. format works as in
// FormatText.
void AddDiagnostic(int line, SetupSeverity severity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The same, with a stable id that the JSON report includes. make-disc refuses to build a
// disc on some of these ids.
void AddRuleDiagnostic(const char* rule, int line, SetupSeverity severity, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Sorts the table by line, mixing the loader's problems with setup-check's own. Problems
// about the whole text (line 0) go last.
void SortDiagnosticsByLine();
