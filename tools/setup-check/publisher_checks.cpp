#include "publisher_checks.h"

#include "diagnostics.h"
#include "disc_check.h"
#include "disc_root_check.h"
#include "install_folder_check.h"
#include "launcher_check.h"
#include "line_checks.h"
#include "listed_files_check.h"
#include "root_names.h"
#include "setup_source/setup_description.h"

namespace {

// The checks of the disc around setup.ini, which hold whatever its text says.
void CheckDiscRoot() {
  ReportRootNameClashes();
  CheckLauncher();
  CheckDiscDrive();
  CheckDiscRootFiles();
}

}  // namespace

void RunPublisherChecks() {
  // Read as one long line, the text gives only problems that are not there.
  if (EndsLinesInCrOnly()) {
    ClearDiagnostics();
    AddRuleDiagnostic("setup-ini-cr-only", 1, kSetupError,
                      "lines end in CR only: save it with CR LF");
    CheckDiscRoot();
    SortDiagnosticsByLine();
    return;
  }
  CheckSetupLines();
  const int32_t* lines = g_Setup.lines.settings;
  CheckDefaultInstallFolder(lines[kDefdirSetting], lines[kPathSetting]);
  CheckListedFiles(lines[kPathSetting], lines[kExeSetting]);
  CheckDiscRoot();
  SummariseEncodingFollowOns();
  SortDiagnosticsByLine();
}
