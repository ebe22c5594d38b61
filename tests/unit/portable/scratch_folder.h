// A fresh current folder per test; SetupDisc loads setup.ini there and collects problems.
#pragma once
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "diagnostics.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"

// path is code page 932, relative to the current folder; its folders must exist.
inline void WriteBytes(const char* path, const std::string& bytes) {
  FILE* file = OsOpenFile(path, "wb");
  ASSERT_NE(file, nullptr) << path;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

inline std::string ReadBytes(const char* path) {
  FILE* file = OsOpenFile(path, "rb");
  if (file == nullptr) return "<missing>";
  std::string bytes;
  for (int c; (c = fgetc(file)) != EOF;) bytes.push_back(static_cast<char>(c));
  fclose(file);
  return bytes;
}

// Whether text holds part; a failure shows the whole text.
inline testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

inline bool Exists(const char* path) {
  uint32_t attributes;
  return OsGetFileAttributes(path, &attributes);
}

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSetupDescriptionToDefaults();
    ASSERT_TRUE(OsGetCurrentFolder(previous_, sizeof previous_));
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() / ("launcher_test_" + std::to_string(stamp));
    std::filesystem::create_directories(folder_);
    ASSERT_TRUE(OsSetCurrentFolder(folder_.string().c_str()));
  }
  void TearDown() override {
    OsSetCurrentFolder(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path folder_;
  char previous_[kPathSize];
};

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
    ClearDiagnostics();
    g_SetupReporter = &kDiagnosticCollector;
  }
  static void Load(const std::string& text) {
    WriteBytes("setup.ini", text);
    OpenSetupFile();
    LoadSetupDescription();
    CloseSetupFile();
  }
};
