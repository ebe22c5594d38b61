// A scratch disc for the setup source tests: setup.ini and game files written into a
// scratch folder, and the loader's problems collected instead of shown.
#pragma once
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "setup_source/type_reference.h"

struct CollectedProblem {
  int line;
  SetupSeverity severity;
  std::string message;
};

inline std::vector<CollectedProblem>& CollectedProblems() {
  static std::vector<CollectedProblem> problems;
  return problems;
}

inline void CollectProblem(int line, SetupSeverity severity, const char* message) {
  CollectedProblems().push_back({line, severity, message});
}

inline bool HasProblem(SetupSeverity severity, int line, const char* part) {
  for (const CollectedProblem& p : CollectedProblems()) {
    if (p.severity == severity && p.line == line && p.message.find(part) != std::string::npos)
      return true;
  }
  return false;
}

class SetupDisc : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ResetSetupDescriptionToDefaults();
    CollectedProblems().clear();
    g_SetupReporter = CollectProblem;
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
