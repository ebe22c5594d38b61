// A scratch disc for the setup source tests: setup.ini and game files written into a
// scratch folder, and the loader's problems collected as setup-check collects them.
#pragma once
#include <string.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"
#include "setup_source/type_reference.h"

inline bool HasProblem(SetupSeverity severity, int line, const char* part) {
  for (int i = 0; i < g_DiagnosticCount; ++i) {
    const Diagnostic& d = g_Diagnostics[i];
    if (d.severity == severity && d.line == line && strstr(d.message, part) != nullptr) return true;
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

  static void WriteSized(const char* name, size_t size) {
    WriteBytes(name, std::string(size, 'x'));
  }
  void MakeFolder(const char* relative) { std::filesystem::create_directories(folder_ / relative); }

  static void Load(const std::string& text) {
    WriteBytes("setup.ini", text);
    OpenSetupFile();
    LoadSetupDescription();
    CloseSetupFile();
  }
};
