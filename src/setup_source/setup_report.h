// Passes on the problems found while loading setup.ini. The launcher sets no reporter, so
// the only problem it shows is an unmatched type reference (two "TEST" boxes).
// setup-check sets a reporter and collects every problem with its line number.
#pragma once
#include <stdarg.h>

enum SetupSeverity { kSetupError, kSetupWarning };

// The problems, each with the arguments it takes. Their texts live only in setup-check
// (tools/setup-check/problem_texts.cpp, one per problem, in this order). The launcher
// shows none of them, so it does not carry the texts.
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

// line is the 1-based line of setup.ini being loaded, or 0 outside a load. args holds the
// problem's arguments, for FormatText's %s and %u.
typedef void (*SetupReporter)(int line, SetupSeverity severity, SetupProblem problem, va_list args);

extern SetupReporter g_SetupReporter;

// Passes a problem on the current line to the reporter. Returns false when no reporter
// is set, so that the caller can show a box instead. problem is a SetupProblem passed as
// an int, because the last argument before "..." must not be of a type that is promoted.
bool ReportSetupProblem(SetupSeverity severity, int problem, ...);
