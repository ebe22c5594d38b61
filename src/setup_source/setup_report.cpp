#include "setup_source/setup_report.h"

#include "setup_source/setup_stream.h"

SetupReporter g_SetupReporter;

bool ReportSetupProblem(SetupSeverity severity, int problem, ...) {
  if (g_SetupReporter == nullptr) return false;
  va_list args;
  va_start(args, problem);
  g_SetupReporter(g_SetupTextLine, severity, static_cast<SetupProblem>(problem), args);
  va_end(args);
  return true;
}
