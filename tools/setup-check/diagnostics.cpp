#include "diagnostics.h"

#include <limits.h>

#include "problem_texts.h"
#include "text/bounded_text.h"

Diagnostic g_Diagnostics[kMaxDiagnostics];
int g_DiagnosticCount;
int g_ErrorCount;

void ClearDiagnostics() {
  g_DiagnosticCount = 0;
  g_ErrorCount = 0;
}

namespace {

void Keep(const char* rule, int line, SetupSeverity severity, const char* format, va_list args) {
  if (severity == kSetupError) ++g_ErrorCount;
  if (g_DiagnosticCount >= kMaxDiagnostics) return;
  Diagnostic& d = g_Diagnostics[g_DiagnosticCount++];
  d.line = line;
  d.severity = severity;
  d.rule = rule;
  FormatTextV(d.message, sizeof d.message, format, args);
}

int SortKey(const Diagnostic& d) { return d.line > 0 ? d.line : INT_MAX; }

}  // namespace

void CollectDiagnostic(int line, SetupSeverity severity, SetupProblem problem, va_list args) {
  // The loader's two warnings get ids, so that make-disc can be told to accept them.
  const char* rule = problem == kFileOfNoType ? "file-of-no-type"
                     : problem == kLongLine   ? "long-line"
                                              : nullptr;
  Keep(rule, line, severity, kSetupProblemTexts[problem], args);
}

void AddDiagnostic(int line, SetupSeverity severity, const char* format, ...) {
  va_list args;
  va_start(args, format);
  Keep(nullptr, line, severity, format, args);
  va_end(args);
}

void AddRuleDiagnostic(const char* rule, int line, SetupSeverity severity, const char* format,
                       ...) {
  va_list args;
  va_start(args, format);
  Keep(rule, line, severity, format, args);
  va_end(args);
}

void SortDiagnosticsByLine() {
  // A stable sort: insertion-sort the indexes, then copy through a second table.
  static int order[kMaxDiagnostics];
  static Diagnostic sorted[kMaxDiagnostics];
  for (int i = 0; i < g_DiagnosticCount; ++i) {
    int j = i;
    for (; j > 0 && SortKey(g_Diagnostics[order[j - 1]]) > SortKey(g_Diagnostics[i]); --j) {
      order[j] = order[j - 1];
    }
    order[j] = i;
  }
  for (int i = 0; i < g_DiagnosticCount; ++i) sorted[i] = g_Diagnostics[order[i]];
  for (int i = 0; i < g_DiagnosticCount; ++i) g_Diagnostics[i] = sorted[i];
}
