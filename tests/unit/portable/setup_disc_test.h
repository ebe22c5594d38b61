// A scratch disc for the setup source tests: setup.ini and game files written into a
// scratch folder, and the loader's problems collected as setup-check collects them.
#pragma once
#include <string.h>

#include <string>

#include "diagnostics.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"

inline bool HasProblem(SetupSeverity severity, int line, const char* part) {
  for (const Diagnostic* d = g_Diagnostics; d < g_Diagnostics + g_DiagnosticCount; ++d) {
    if (d->severity == severity && d->line == line && strstr(d->message, part)) return true;
  }
  return false;
}

class SetupDisc : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ResetSetupDescriptionToDefaults();
    ClearDiagnostics();
    g_SetupReporter = CollectDiagnostic;
  }
  void TearDown() override {
    CloseSetupFile();
    g_SetupReporter = nullptr;
    ScratchFolder::TearDown();
  }
  static void Load(const std::string& text) {
    WriteBytes("setup.ini", text);
    OpenSetupFile();
    LoadSetupDescription();
    CloseSetupFile();
  }
};
