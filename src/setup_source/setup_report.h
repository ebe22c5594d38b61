// Where problems found while loading setup.ini go. The launcher sets no reporter: there
// the only visible report is the pair of "TEST" boxes for an unmatched type reference.
// setup-check sets one and collects every problem with its text line.
#pragma once

enum SetupSeverity { kSetupError, kSetupWarning };

// line: the 1-based text line of setup.ini being loaded (0 outside a load).
typedef void (*SetupReporter)(int line, SetupSeverity severity, const char* message);

extern SetupReporter g_SetupReporter;

// Formats a problem of the current line (FormatText's %s %d %u) and hands it to the
// reporter. false when no reporter is set, so that the caller may fall back to a box.
bool ReportSetupProblem(SetupSeverity severity, const char* format, ...);
