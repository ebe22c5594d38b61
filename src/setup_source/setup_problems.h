// The problems the loader reports while it reads setup.ini, one X(...) row each: its name,
// its severity, its parameters, the same names as passed on, and setup-check's words for it
// (a FormatText format of those arguments in order). setup_report.h turns each row into a
// typed ReportName function; only setup-check expands the words, so the launcher does not
// carry them.
#pragma once

// A refused setting keeps its earlier value; rule says what the setting accepts.
#define SETUP_REFUSAL(X, Name, rule)                                                     \
  X(Name, kSetupError,                                                                   \
    (const char* keyword, const char* value, const char* keptKeyword, const char* kept), \
    (keyword, value, keptKeyword, kept),                                                 \
    "%s value \"%s\" is refused: it must be " rule "; %s stays \"%s\"")

#define SETUP_PROBLEMS(X)                                                                          \
  X(SettingCut, kSetupError, (const char* keyword, unsigned capacity), (keyword, capacity),        \
    "%s value is longer than %u bytes; it was cut")                                                \
  SETUP_REFUSAL(X, GameFolderRefused,                                                              \
                "empty, or a relative path with at most one backslash at its end")                 \
  SETUP_REFUSAL(X, FileNameRefused, "a single file name")                                          \
  SETUP_REFUSAL(X, GamePathRefused, "a relative path inside the game folder")                      \
  SETUP_REFUSAL(X, KeyPathRefused,                                                                 \
                "Software or key names below it joined by single backslashes, not in "             \
                "Software\\Microsoft, Classes, Policies or Wow6432Node")                           \
  SETUP_REFUSAL(X, KeyNameRefused, "one key name without a backslash")                             \
  SETUP_REFUSAL(X, LogNameRefused,                                                                 \
                "no save file (.sav), no file listed directly in the game folder and no folder "   \
                "of the file list")                                                                \
  SETUP_REFUSAL(X, MakerKeyRefused,                                                                \
                "a key name that keeps the maker's key, below REG_P, out of "                      \
                "Software\\Microsoft, Classes, Policies and Wow6432Node")                          \
  X(TooManyTypes, kSetupError, (unsigned limit, const char* entry), (limit, entry),                \
    "more than %u data types: \"%s\" was dropped")                                                 \
  X(TypeNameCut, kSetupError, (unsigned capacity), (capacity),                                     \
    "data type name is longer than %u bytes; it was cut")                                          \
  X(TooManySetEntries, kSetupError, (unsigned limit, const char* set, const char* entry),          \
    (limit, set, entry), "more than %u entries in %s: \"%s\" was dropped")                         \
  X(TooManyFiles, kSetupError, (unsigned limit, const char* fileLine), (limit, fileLine),          \
    "more than %u files: \"%s\" was dropped")                                                      \
  X(FileNameTooLong, kSetupError, (unsigned capacity), (capacity),                                 \
    "file name is longer than %u bytes; the line was dropped")                                     \
  X(FileOutsideGameFolder, kSetupError, (const char* fileLine), (fileLine),                        \
    "\"%s\" is not a relative path inside the game folder; it was dropped")                        \
  X(FileNameUnusable, kSetupError, (const char* fileLine), (fileLine),                             \
    "\"%s\" names a device or holds a character no file name may have; it was dropped")            \
  X(FileNameAliased, kSetupError, (const char* fileLine), (fileLine),                              \
    "\"%s\" ends a name with a dot, a blank or a separator, which Windows drops; it was "          \
    "dropped")                                                                                     \
  X(FileTooLarge, kSetupError, (const char* fileLine), (fileLine),                                 \
    "\"%s\" is 2147483647 bytes or larger; it counts as 2147483647 bytes")                         \
  X(FileOfNoType, kSetupWarning, (const char* fileLine), (fileLine),                               \
    "\"%s\" belongs to no data type; no install copies it")                                        \
  X(SizePassesLimit, kSetupError, (const char* total), (total),                                    \
    "the size of %s passes 2147483647 bytes; it stays there")                                      \
  X(ZeroByteInLine, kSetupError, (), (),                                                           \
    "the line holds a zero byte; it is read only up to there")                                     \
  X(LongLine, kSetupWarning, (unsigned length), (length),                                          \
    "line longer than %u bytes is read as several lines")                                          \
  X(KeyPathTooLong, kSetupError,                                                                   \
    (const char* keyword, unsigned length, unsigned capacity, const char* keptKeyword),            \
    (keyword, length, capacity, keptKeyword),                                                      \
    "%s value is refused: REG_P\\REG_S\\REG_T would be %u bytes, more than %u; %s keeps its "      \
    "earlier value")                                                                               \
  X(UnknownTypeReference, kSetupError, (const char* reference), (reference),                       \
    "not list type: \"%s\" is the beginning of no declared type")                                  \
  X(DiscPathTooLong, kSetupError, (const char* fileLine), (fileLine),                              \
    "the disc path of \"%s\" is too long to open")                                                 \
  X(ListedFileUnreadable, kSetupError, (const char* fileLine, const char* path), (fileLine, path), \
    "listed file \"%s\" cannot be opened on the disc (%s)")
