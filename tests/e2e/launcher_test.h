// The fixture of the end-to-end tests: the real setup.exe started from the sample disc in
// drive Q:, with a clean registry and an empty scratch drive, and the steps of its dialogs.
#pragma once

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "window_toolkit.h"

namespace e2e {

using namespace toolkit;

extern const wchar_t kTitle[];
const DWORD kWindowWait = 60000;
const DWORD kMinimumMask = 0x07;
const DWORD kMaximumMask = 0x1F;

// The typed FILE entries of the sample's setup.ini in their order, with the sub-folder the
// copy pass creates (and logs) for each when it is the first to need it.
struct DiscFile {
  const wchar_t* path;
  int type;
  const wchar_t* newFolder;
};
extern const DiscFile kFiles[10];

std::wstring Join(const std::wstring& folder, const std::wstring& relative);
std::wstring Target(const wchar_t* relative);  // on the scratch drive
std::wstring CopyFailureText(const std::wstring& folder, const wchar_t* relative);

// Machine state, read back raw.
extern const wchar_t kProductKey[];
int ValueCount();  // of the product key; -1 when it does not exist
void ExpectRecord(DWORD kind, DWORD mask, const std::wstring& folder);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
void MakeFolders(const std::wstring& path);
void ExpectInstalledFiles(const std::wstring& folder, DWORD mask);
// The log: code page 932 bytes, the parent, the folder, then the new sub-folders of the
// first `files` selected entries.
void ExpectLog(const std::wstring& parent, const std::wstring& folder, DWORD mask, int files);

// A file of the staged disc moved away (through Z:, since Q: is read-only) and put back.
struct DiscFileAway {
  std::wstring path;
  bool away = false;
  explicit DiscFileAway(const wchar_t* relative);
  void Remove();
  ~DiscFileAway();
};

enum class Answer { Yes, No, CloseBox };

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { Stop(launcher); }

  HWND StartToMain();
  HWND Wait(const wchar_t* caption, int childId);
  void ExpectButtons(bool installed);
  void Exit(bool viaCloseBox, Answer answer);
  HWND OpenOptions(bool sampleSizes = true);
  void StartInstall(HWND options, const std::wstring& folder, int kindId);
  void AnswerFolderQuestion(bool create, const std::wstring& folder, Answer answer);
  HWND WaitForCopy();
  // Lets the copy pass run to its end, answering every failure box; returns their texts.
  std::vector<std::wstring> FinishCopy(HWND copy = nullptr);
  void InstallThrough(const std::wstring& folder, int kindId, bool folderIsNew);
  void AnswerMessageBox(const wchar_t* caption, const std::wstring& text);
  HWND OpenUninstall();

  Process launcher;
  HWND main = nullptr;
};

}  // namespace e2e
