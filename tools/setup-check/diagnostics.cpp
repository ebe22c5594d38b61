#include "diagnostics.h"

#include <limits.h>

#include "path/path_characters.h"
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

// Whether a file line holds two separators in a row ("a\\\\b"), so that its empty name, not
// a dot or a blank, is what makes Windows read it as another.
bool IsDoubledSeparatorLine(const char* line) {
  for (const char* p = line; *p != '\0'; p += PathCharLength(p)) {
    if (IsPathSeparator(p[0]) && IsPathSeparator(p[1])) return true;
  }
  return false;
}

// A disc folder on this system ("/home/me/disc") with the launcher's "\GAME\a.dat"
// after it is shown with one kind of separator: this system's.
void ShowDiscPath(const char* path, char* out, size_t cap) {
  CopyText(out, cap, path);
  if (out[0] != '/') return;
  for (char* p = out; *p != '\0'; p += PathCharLength(p)) {
    if (*p == '\\') *p = '/';
  }
}

// The loader's two warnings get ids, so that make-disc can be told to accept them.
template <auto problem>
const char* const kLoaderRule = nullptr;
template <>
const char* const kLoaderRule<&SetupReporter::FileOfNoType> = "file-of-no-type";
template <>
const char* const kLoaderRule<&SetupReporter::LongLine> = "long-line";

// Keeps a problem in its words. AddRuleDiagnostic's format check holds each text to its
// problem's arguments.
#define SETUP_FORMAT_ARGUMENTS(...) __VA_OPT__(, ) __VA_ARGS__
#define KEEP_PROBLEM(Name, severity, parameters, arguments, text)        \
  void Keep##Name SETUP_LINE_PARAMETERS parameters {                     \
    AddRuleDiagnostic(kLoaderRule<&SetupReporter::Name>, line, severity, \
                      text SETUP_FORMAT_ARGUMENTS arguments);            \
  }
SETUP_PROBLEMS(KEEP_PROBLEM)
#undef KEEP_PROBLEM

SetupReporter MakeDiagnosticCollector() {
#define KEEP_MEMBER(Name, severity, parameters, arguments, text) Keep##Name,
  SetupReporter collector = {SETUP_PROBLEMS(KEEP_MEMBER)};
#undef KEEP_MEMBER
  collector.FileNameAliased = [](int line, const char* fileLine) {
    if (!IsDoubledSeparatorLine(fileLine)) return KeepFileNameAliased(line, fileLine);
    AddDiagnostic(line, kSetupError,
                  "\"%s\" has two separators in a row, which Windows reads as one; write one "
                  "backslash between names. The line was dropped",
                  fileLine);
  };
  collector.ListedFileUnreadable = [](int line, const char* fileLine, const char* path) {
    char shown[kPathSize];
    ShowDiscPath(path, shown, sizeof shown);
    KeepListedFileUnreadable(line, fileLine, shown);
  };
  return collector;
}

}  // namespace

const SetupReporter kDiagnosticCollector = MakeDiagnosticCollector();

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
