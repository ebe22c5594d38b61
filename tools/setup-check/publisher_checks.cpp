#include "publisher_checks.h"

#include "diagnostics.h"
#include "disc_check.h"
#include "disc_root_check.h"
#include "install_folder_check.h"
#include "line_checks.h"
#include "listed_files_check.h"
#include "setup_source/setup_keywords.h"

void RunPublisherChecks() {
  int lines[kSettingKeywordCount];
  CheckSetupLines(lines);
  // PATH, DEFDIR and EXE are the second, third and fifth settings of the keyword table.
  CheckDefaultInstallFolder(lines[2], lines[1]);
  CheckListedFiles(lines[1], lines[4]);
  CheckDiscDrive();
  CheckDiscRootFiles();
  SortDiagnosticsByLine();
}
