// The problems that loading setup.ini reported, kept for the report at the end.
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
extern int g_DiagnosticCount;  // kept in the table
extern int g_ErrorCount;       // all errors, kept or not

// Empties the table before a load.
void ClearDiagnostics();

// The reporter that setup-check sets before loading.
void CollectDiagnostic(int line, SetupSeverity severity, SetupProblem problem, va_list args);

// A problem that setup-check finds itself, beyond the loader's: format as FormatText's.
void AddDiagnostic(int line, SetupSeverity severity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The same with a stable id that the JSON report gives (make-disc refuses on some).
void AddRuleDiagnostic(const char* rule, int line, SetupSeverity severity, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Puts the table in line order, the loader's and setup-check's own problems together;
// problems of the whole text (line 0) go last.
void SortDiagnosticsByLine();
