#include "setup_source/setup_report.h"

#include <stdarg.h>

#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"

SetupReporter g_SetupReporter;

bool ReportSetupProblem(SetupSeverity severity, const char* format, ...) {
  if (g_SetupReporter == nullptr) return false;
  char message[1024];
  va_list args;
  va_start(args, format);
  FormatTextV(message, sizeof message, format, args);
  va_end(args);
  g_SetupReporter(g_SetupTextLine, severity, message);
  return true;
}
