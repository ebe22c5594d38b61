// A listed file's 64-bit size; none for a folder or a missing name.
#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "unit/portable/scratch_folder.h"

namespace {

// Past 4 GiB the file is sparse: its size is set, not written.
void MakeFile(const wchar_t* path, uintmax_t size) {
  std::ofstream(std::filesystem::path(path));
  std::filesystem::resize_file(path, size);
}

}  // namespace

using FileSystem = ScratchFolder;  // the 4 GiB file goes even when a test ends early

TEST_F(FileSystem, WholeSizeOfFilesNeverOfFolders) {
  CreateDirectoryW(L"folder", nullptr);
  MakeFile(L"big.dat", 4294967297ULL);
  MakeFile(L"表.dat", 3);
  MakeFile(L"empty.dat", 0);
  // Held open without sharing by another program: still measured (its copy fails later).
  HANDLE held = CreateFileW(L"empty.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  const std::tuple<const char*, bool, unsigned long long> cases[] = {
      {"big.dat", true, 4294967297ULL}, {"表.dat", true, 3},
      {"empty.dat", true, 0},           {"folder", false, 0},
      {"missing.dat", false, 0},        {"big.dat\\x", false, 0},
  };
  for (const auto& [path, measured, expected] : cases) {
    uint64_t size = 12345;
    EXPECT_EQ(OsGetFileSize(path, &size), measured) << path;
    EXPECT_EQ(size, measured ? expected : 12345) << path;
  }
  CloseHandle(held);
}

// A search finding only names with no code page 932 form answers "none" and leaves none.
TEST_F(FileSystem, SearchFindingNoUsableNameLeavesNothingOpen) {
  MakeFile(L"\uD55C\uAE00.sav", 0);
  OsFileSearch search;
  EXPECT_FALSE(OsFindFirstFile("*.sav", &search));
  EXPECT_FALSE(OsFindNextFile(&search));
  EXPECT_FALSE(FindClose(static_cast<HANDLE>(search.handle))) << "a search left open";
}
