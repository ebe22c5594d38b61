// Where problems found while loading setup.ini go. The launcher sets no reporter: there
// the only visible report is the pair of "TEST" boxes for an unmatched type reference.
// setup-check sets one and collects every problem with its text line.
#pragma once
#include <stdarg.h>

enum SetupSeverity { kSetupError, kSetupWarning };

// What went wrong, with the arguments each takes. setup-check words them
// (tools/setup-check/problem_texts.cpp, one text each, in this order), so that the launcher,
// which shows none of them, does not carry their texts.
enum SetupProblem {
  kSettingCut,             // keyword, capacity
  kGameFolderRefused,      // keyword, value, keyword, kept value
  kFileNameRefused,        // the same
  kGamePathRefused,        // the same
  kKeyPathRefused,         // the same
  kKeyNameRefused,         // the same
  kLogNameRefused,         // the same
  kMakerKeyRefused,        // the same
  kTooManyTypes,           // limit, line
  kTypeNameCut,            // capacity
  kTooManySetEntries,      // limit, set name, line
  kTooManyFiles,           // limit, line
  kFileNameTooLong,        // capacity
  kFileOutsideGameFolder,  // line
  kFileNameUnusable,       // line
  kFileNameAliased,        // line
  kFileTooLarge,           // line
  kFileOfNoType,           // line
  kSizePassesLimit,        // type or set name
  kZeroByteInLine,         //
  kLongLine,               // length
  kKeyPathTooLong,         // keyword, key path length, capacity, keyword
  kUnknownTypeReference,   // reference
  kDiscPathTooLong,        // line
  kListedFileUnreadable,   // line, disc path
  kSetupProblemCount
};

// The arguments above as FormatText conversions (s a text, u a number), so that a test can
// hold each of setup-check's texts to them; a text with the wrong ones prints garbage.
inline constexpr const char* kSetupProblemArguments[kSetupProblemCount] = {
    "su", "ssss", "ssss", "ssss", "ssss", "ssss", "ssss", "ssss",  // kSettingCut to kMakerKey...
    "us", "u",    "uss",  "us",   "u",                             // kTooManyTypes to kFileName...
    "s",  "s",    "s",    "s",    "s",    "s",                     // kFileOutside... to kSize...
    "",   "u",    "suus", "s",    "s",    "ss"};                   // kZeroByteInLine to the last

// line: the 1-based text line of setup.ini being loaded (0 outside a load); args: the
// problem's arguments (FormatText's %s %u).
typedef void (*SetupReporter)(int line, SetupSeverity severity, SetupProblem problem, va_list args);

extern SetupReporter g_SetupReporter;

// Hands a problem of the current line to the reporter. false when no reporter is set, so
// that the caller may fall back to a box. problem is a SetupProblem, passed as an int: the
// last argument before "..." must not be of a type that is promoted.
bool ReportSetupProblem(SetupSeverity severity, int problem, ...);
