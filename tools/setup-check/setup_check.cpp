#include "setup_check.h"

#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "diagnostics.h"
#include "init_draft.h"
#include "platform/platform.h"
#include "publisher_checks.h"
#include "reports.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"

namespace {

int Usage() {
  fputs(
      "usage: setup-check [--json] [DISC_ROOT]\n"
      "       setup-check [--json] --init GAME_FOLDER [--force]\n",
      stderr);
  return 2;
}

}  // namespace

int RunSetupCheck(int argc, char** argv) {
  ResetSetupDescriptionToDefaults();
  bool json = false;
  const char* root = nullptr;
  const char* gameFolder = nullptr;
  bool force = false;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--json") == 0 && !json) {
      json = true;
    } else if (strcmp(argv[i], "--init") == 0 && i + 1 < argc && gameFolder == nullptr) {
      gameFolder = argv[++i];
    } else if (strcmp(argv[i], "--force") == 0 && !force) {
      force = true;
    } else if (argv[i][0] != '-' && root == nullptr) {
      root = argv[i];
    } else {
      return Usage();
    }
  }
  if ((gameFolder != nullptr && root != nullptr) || (force && gameFolder == nullptr)) {
    return Usage();
  }
  // The draft is written into the disc root, which is then loaded and reported as usual.
  if (gameFolder != nullptr) {
    int status = WriteSetupDraft(gameFolder, force);
    if (status != 0) return status;
  }
  // The launcher's paths are code page 932; a folder named in this system's own
  // encoding (UTF-8 on Linux) is still found by the C runtime's chdir.
  if (root != nullptr && !OsSetCurrentFolder(root) && chdir(root) != 0) {
    fprintf(stderr, "setup-check: cannot make %s the current folder\n", root);
    return 2;
  }
  // The launcher's own open prints its message on standard output; here it would spoil
  // the JSON, so the quiet open is used and the failure goes to standard error.
  if (!OpenSetupStream()) {
    fputs("setup-check: setup.ini cannot be opened\n", stderr);
    return 2;
  }
  ClearDiagnostics();
  g_SetupReporter = CollectDiagnostic;
  LoadSetupDescription();
  RunPublisherChecks();
  CloseSetupFile();
  g_SetupReporter = nullptr;

  if (json) {
    PrintJsonReport();
  } else {
    PrintTextReport();
  }
  return g_ErrorCount > 0 ? 1 : 0;
}
