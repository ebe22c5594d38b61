// Steps of the launcher's own dialogs, shared by the scenarios: each waits for its window,
// checks what it shows, answers it and waits for it to go.
#pragma once

#include "e2e.h"

namespace e2e {

extern const wchar_t kTitle[];
extern const wchar_t kCopyCaption[];
const DWORD kWindowWait = 60000;
const DWORD kCopyWait = 240000;

// The FILE list of the sample's setup.ini in its order; type -1 is a file of no type.
struct DiscFile {
  const wchar_t* path;
  int type;
};
extern const DiscFile kFiles[];
extern const int kFileCount;
const DWORD kMinimumMask = 0x07;
const DWORD kMaximumMask = 0x1F;
bool Selected(const DiscFile& file, DWORD mask);
std::wstring Join(const std::wstring& folder, const std::wstring& relative);

HWND WaitForMain(Launcher& launcher);
void CheckButtons(HWND main, bool installed, const wchar_t* when);

enum class Answer { Yes, No, CloseBox };
void ExitThroughEndbox(Launcher& launcher, HWND main, bool viaCloseBox, Answer answer);

HWND OpenInstallOptions(Launcher& launcher, HWND main);
void WaitChecked(HWND dialog, int id, int state);
void StartInstall(HWND options, const std::wstring& folder, int kindId);
void AnswerFolderQuestion(Launcher& launcher, bool create, const std::wstring& folder, Answer answer);
HWND WaitForCopyDialog(Launcher& launcher);
void WaitForCopyEnd(HWND copy);

// The whole Install chain with the answers a user who wants the install gives.
void InstallThrough(Launcher& launcher, HWND main, const std::wstring& folder, int kindId,
                    bool folderIsNew, bool shots);

void CheckInstalledFiles(const std::wstring& folder, DWORD mask);
void CheckRecord(DWORD kind, DWORD mask, const std::wstring& folder);
void CheckLogFile(const std::wstring& folder, const std::vector<std::wstring>& entries);

HWND OpenUninstall(Launcher& launcher, HWND main);

} // namespace e2e
