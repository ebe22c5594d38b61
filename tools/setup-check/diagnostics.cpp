#include "diagnostics.h"

#include "problem_texts.h"
#include "text/bounded_text.h"

Diagnostic g_Diagnostics[kMaxDiagnostics];
int g_DiagnosticCount;
int g_ErrorCount;

void ClearDiagnostics() {
  g_DiagnosticCount = 0;
  g_ErrorCount = 0;
}

void CollectDiagnostic(int line, SetupSeverity severity, SetupProblem problem, va_list args) {
  if (severity == kSetupError) ++g_ErrorCount;
  if (g_DiagnosticCount >= kMaxDiagnostics) return;
  Diagnostic& d = g_Diagnostics[g_DiagnosticCount++];
  d.line = line;
  d.severity = severity;
  FormatTextV(d.message, sizeof d.message, kSetupProblemTexts[problem], args);
}
