#include "setup_check.h"

#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "diagnostics.h"
#include "init_command.h"
#include "json_report.h"
#include "launcher_check.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "publisher_checks.h"
#include "root_names.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"
#include "text_report.h"

namespace {

int Usage() {
  fputs(
      "usage: setup-check [--json] [--x86_64-for-testing] [DISC_ROOT]\n"
      "       setup-check [--json] --init GAME_FOLDER [--force]\n",
      stderr);
  return 2;
}

// The folder that holds root, written the way the publisher typed root: "disc" for
// "disc/GAME".
void ParentOf(const char* root, char* out, size_t cap) {
  CopyText(out, cap, root);
  size_t n = strlen(out);
  while (n > 1 && IsPathSeparator(out[n - 1])) out[--n] = '\0';
  size_t cut = n;
  while (cut > 0 && !IsPathSeparator(out[cut - 1])) --cut;
  if (strcmp(out + cut, ".") == 0 || strcmp(out + cut, "..") == 0) {
    FormatText(out, cap, "%s/..", root);
  } else if (cut == 0) {
    CopyText(out, cap, ".");
  } else {
    out[cut > 1 ? cut - 1 : cut] = '\0';  // "/GAME" keeps its "/"
  }
}

// Explains why there is no setup.ini to load, and what to give instead. The usual
// mistakes are giving the game folder or a disc image.
int NoSetupFile(const char* root) {
  uint32_t attributes = 0;
  if (root == nullptr || OsGetFileAttributes("setup.ini", &attributes)) {
    fputs("setup-check: setup.ini cannot be opened\n", stderr);
  } else if (OsGetFileAttributes("..\\setup.ini", &attributes)) {
    char parent[kPathSize];
    ParentOf(root, parent, sizeof parent);
    fprintf(stderr,
            "setup-check: %s holds no setup.ini, but the folder above it does: give that disc "
            "folder (setup-check %s)\n",
            root, parent);
  } else {
    fprintf(stderr,
            "setup-check: %s holds no setup.ini: give the disc folder that holds setup.ini, the "
            "parent of the game folder\n",
            root);
  }
  return 2;
}

}  // namespace

int RunSetupCheck(int argc, char** argv) {
  ResetSetupDescriptionToDefaults();
  bool json = false;
  const char* root = nullptr;
  const char* gameFolder = nullptr;
  bool force = false;
  g_AcceptX86_64Launcher = false;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--json") == 0 && !json) {
      json = true;
    } else if (strcmp(argv[i], "--init") == 0 && i + 1 < argc && gameFolder == nullptr) {
      gameFolder = argv[++i];
    } else if (strcmp(argv[i], "--x86_64-for-testing") == 0) {
      g_AcceptX86_64Launcher = true;
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
  // Write the draft into the disc root, then load and report it as usual.
  if (gameFolder != nullptr) {
    int status = WriteSetupDraft(gameFolder, force);
    if (status != 0) return status;
  }
  // The launcher's paths are code page 932. If root is in this system's own encoding
  // (UTF-8 on Linux), the C runtime's chdir still finds it.
  struct stat status;
  if (root != nullptr && stat(root, &status) == 0 && !S_ISDIR(status.st_mode)) {
    fprintf(stderr,
            "setup-check: %s is a file: setup-check takes the disc folder that holds setup.ini; "
            "to check a disc image, run make-disc --verify IMAGE DISC_FOLDER\n",
            root);
    return 2;
  }
  if (root != nullptr && !OsSetCurrentFolder(root) && chdir(root) != 0) {
    fprintf(stderr, "setup-check: cannot make %s the current folder\n", root);
    return 2;
  }
  // The launcher's own open prints its message on standard output, which would spoil the
  // JSON. So use the quiet open and report the failure on standard error.
  FindRootNames();
  const char* setupName = RootName(kRootSetupIni);
  if (setupName == nullptr || !OpenSetupStreamNamed(setupName)) return NoSetupFile(root);
  ClearDiagnostics();
  g_SetupReporter = &kDiagnosticCollector;
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
