// The message for each problem the loader reports, in SetupProblem order
// (setup_source/setup_report.h). Only setup-check carries these texts.
#include "problem_texts.h"

#define REFUSED(rule) "%s value \"%s\" is refused: it must be " rule "; %s stays \"%s\""

const char* const kSetupProblemTexts[kSetupProblemCount] = {
    "%s value is longer than %u bytes; it was cut",
    REFUSED("empty, or a relative path with at most one backslash at its end"),
    REFUSED("a single file name"),
    REFUSED("a relative path inside the game folder"),
    REFUSED("Software or key names below it joined by single backslashes, not in "
            "Software\\Microsoft, Classes, Policies or Wow6432Node"),
    REFUSED("one key name without a backslash"),
    REFUSED("no save file (.sav), no file listed directly in the game folder and no folder of "
            "the file list"),
    REFUSED("a key name that keeps the maker's key, below REG_P, out of Software\\Microsoft, "
            "Classes, Policies and Wow6432Node"),
    "more than %u data types: \"%s\" was dropped",
    "data type name is longer than %u bytes; it was cut",
    "more than %u entries in %s: \"%s\" was dropped",
    "more than %u files: \"%s\" was dropped",
    "file name is longer than %u bytes; the line was dropped",
    "\"%s\" is not a relative path inside the game folder; it was dropped",
    "\"%s\" names a device or holds a character no file name may have; it was dropped",
    "\"%s\" ends a name with a dot, a blank or a separator, which Windows drops; it was dropped",
    "\"%s\" is 2147483647 bytes or larger; it counts as 2147483647 bytes",
    "\"%s\" belongs to no data type; no install copies it",
    "the size of %s passes 2147483647 bytes; it stays there",
    "the line holds a zero byte; it is read only up to there",
    "line longer than %u bytes is read as several lines",
    "%s value is refused: REG_P\\REG_S\\REG_T would be %u bytes, more than %u; %s keeps its "
    "earlier value",
    "not list type: \"%s\" is the beginning of no declared type",
    "the disc path of \"%s\" is too long to open",
    "listed file \"%s\" cannot be opened on the disc (%s)",
};
