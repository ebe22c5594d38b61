// A scratch disc for the setup source tests: a fresh folder made current, setup.ini and
// game files written into it, and the loader's problems collected instead of shown.
#pragma once
#include <gtest/gtest.h>
#include <stdio.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"

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

class SetupDisc : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OsGetCurrentFolder(previous_, sizeof previous_));
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() / ("setup_disc_" + std::to_string(stamp));
    std::filesystem::create_directories(folder_);
    ASSERT_TRUE(OsSetCurrentFolder(folder_.string().c_str()));
    ResetSetupDescriptionToDefaults();
    CollectedProblems().clear();
    g_SetupReporter = CollectProblem;
  }
  void TearDown() override {
    CloseSetupFile();
    g_SetupReporter = nullptr;
    OsSetCurrentFolder(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // name is a code page 932 path relative to the disc root; its folders must exist.
  static void WriteBytes(const char* name, const std::string& bytes) {
    FILE* file = OsOpenFile(name, "wb");
    ASSERT_NE(file, nullptr) << name;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
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

  static int ErrorCount() {
    int n = 0;
    for (const CollectedProblem& p : CollectedProblems()) n += p.severity == kSetupError;
    return n;
  }

  std::filesystem::path folder_;
  char previous_[1024];
};
