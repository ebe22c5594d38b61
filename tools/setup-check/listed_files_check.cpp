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

}  // namespace

void CheckListedFiles() { CheckSameFiles(); }
