#include "listed_files_check.h"

#include <string.h>

#include "cp932_text.h"
#include "diagnostics.h"
#include "line_checks.h"
#include "setup_source/setup_description.h"

namespace {

char g_Folded[kMaxFileEntries][kFileNameCapacity + 1];

int RowCount() { return g_Setup.fileCount < kMaxFileEntries ? g_Setup.fileCount : kMaxFileEntries; }

// A later row that repeats an earlier one, or names the same file on Windows: the copy
// pass writes the same target twice.
void CheckSameFiles() {
  int count = RowCount();
  for (int i = 0; i < count; ++i) {
    FoldWindowsName(g_Setup.files[i].name, g_Folded[i], sizeof g_Folded[i]);
  }
  for (int j = 1; j < count; ++j) {
    for (int i = 0; i < j; ++i) {
      if (strcmp(g_Folded[i], g_Folded[j]) != 0) continue;
      const char* earlier = g_Setup.files[i].name;
      const char* later = g_Setup.files[j].name;
      if (strcmp(earlier, later) == 0) {
        AddDiagnostic(g_FileEntryLines[j], kSetupWarning,
                      "the FILE line \"%s\" repeats line %d: the file is copied and counted twice",
                      later, g_FileEntryLines[i]);
      } else {
        AddDiagnostic(g_FileEntryLines[j], kSetupError,
                      "\"%s\" and \"%s\" (line %d) are one file on Windows: the second copy "
                      "overwrites the first and the player loses a game file",
                      later, earlier, g_FileEntryLines[i]);
      }
      break;
    }
  }
}

// The game is started from the install folder as EXE: every install must have copied it.
// A description with no FILE lines yet is a draft, not a missing game.
void CheckExe(int exeLine) {
  int count = RowCount();
  if (count == 0) return;
  char exe[kShortSettingCapacity + 1];
  FoldWindowsName(g_Setup.EXE, exe, sizeof exe);
  int row = 0;
  while (row < count && strcmp(g_Folded[row], exe) != 0) ++row;
  if (row == count) {
    AddRuleDiagnostic("exe-not-listed", exeLine, kSetupWarning,
                      "EXE \"%s\" is not listed among the FILE lines: no install copies it and "
                      "the game cannot be started",
                      g_Setup.EXE);
    return;
  }
  // A custom install always takes types 0 and 1; the other two extents take their sets.
  TypeMask always = g_Setup.sets[kInstallS].mask & g_Setup.sets[kInstallB].mask & 0x3;
  TypeMask mask = g_Setup.files[row].mask;
  if ((mask & always) != 0) return;
  const char* type = "no data type";
  for (int t = 0; t < kMaxDataTypes; ++t) {
    if (mask == (TypeMask{1} << t)) type = g_Setup.types[t].name;
  }
  AddDiagnostic(exeLine, kSetupWarning,
                "EXE \"%s\" is listed on line %d under %s, which not every install copies: list "
                "it under type 0 or 1, in both INSTALL_S and INSTALL_B",
                g_Setup.EXE, g_FileEntryLines[row], type);
}

}  // namespace

void CheckListedFiles(int exeLine) {
  CheckSameFiles();
  CheckExe(exeLine);
}
