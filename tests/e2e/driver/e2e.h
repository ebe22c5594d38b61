// The end-to-end driver's toolkit: it starts the real setup.exe, finds its windows from
// outside (by process, caption and control ids), operates them and checks what changed.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Where the driver works; filled from the command line.
struct Settings {
  std::wstring discFolder;    // the disc's folder through drive Z:, so files can be moved
  std::wstring artifacts;     // screenshots go here
  std::wstring targetRoot;    // scratch drive for installs, e.g. T:
  bool screenshots = true;
};
extern Settings g_Settings;

// A failed wait or a broken precondition ends the scenario.
struct Abort {
  std::wstring reason;
};

void Print(const std::wstring& line);
void Fail(const std::wstring& what);
void Check(bool ok, const std::wstring& what);
void CheckText(const std::wstring& actual, const std::wstring& expected, const std::wstring& what);
int FailureCount();
void BeginScenario(const wchar_t* name);
const std::wstring& ScenarioName();

std::wstring Format(const wchar_t* format, ...);
std::wstring Hex(const std::string& bytes);
std::string ToCodePage(const std::wstring& text, UINT codePage);

// The launcher process under test.
struct Launcher {
  PROCESS_INFORMATION process{};
  bool running = false;
};
void StartLauncher(Launcher& launcher);
DWORD WaitForExit(Launcher& launcher, DWORD timeoutMs, const wchar_t* what);
void KillLauncher(Launcher& launcher);

// Top-level visible window of the process with this caption (any caption when null) and,
// when given, a child with the control id. Waits up to the timeout, then aborts.
HWND WaitForWindow(DWORD processId, const wchar_t* caption, int childId, DWORD timeoutMs,
                   const wchar_t* what);
HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId);
std::wstring VisibleWindows(DWORD processId);
void WaitForGone(HWND window, DWORD timeoutMs, const wchar_t* what);
bool WaitUntil(bool (*condition)(void*), void* context, DWORD timeoutMs);

std::wstring WindowText(HWND window);
std::wstring ItemText(HWND dialog, int id);
std::vector<std::wstring> StaticTexts(HWND dialog);
HWND Item(HWND dialog, int id);
bool ItemEnabled(HWND dialog, int id);
int ItemChecked(HWND dialog, int id);

void Click(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::wstring& text);
void RequestClose(HWND window);
void Settle(HWND window);

void Screenshot(const wchar_t* label);

// Message boxes (MB_OK): checks caption, text and owner, optionally saves a picture, presses OK.
void AnswerMessageBox(DWORD processId, const wchar_t* caption, const std::wstring& text,
                      HWND expectedOwner, const wchar_t* shotLabel);

// Machine state.
extern const wchar_t* const kProductKey;  // under HKEY_CURRENT_USER
extern const wchar_t* const kMakerKey;
void ResetMachine();
bool KeyExists(const wchar_t* path);
int ValueCount(const wchar_t* path);
void CheckDwordValue(const wchar_t* name, DWORD expected);
void CheckStringValue(const wchar_t* name, const std::wstring& expected);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
DWORD Attributes(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
void MakeFolders(const std::wstring& path);

} // namespace e2e
