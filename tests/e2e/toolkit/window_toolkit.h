// Driving another process's windows from outside, as a person would, through messages any
// program may send: the launcher carries no hooks. Shared by the end-to-end tests and bench/.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace toolkit {

// A window that never came or never went, a missing or disabled control.
struct WindowError : std::runtime_error {
  explicit WindowError(const std::wstring& why);
  std::wstring reason;
};

std::string Utf8(const std::wstring& text);
std::wstring Format(const wchar_t* format, ...);

struct Process {
  PROCESS_INFORMATION process{};
  bool running = false;
  DWORD Id() const { return process.dwProcessId; }
};
void Start(Process& process, const std::wstring& path, const std::wstring& folder);
DWORD WaitForExit(Process& process, DWORD timeoutMs);  // the exit code
void Stop(Process& process);                           // ends it if it still runs

// A visible top-level window of the process with this caption (any when null) and, unless
// childId is 0, a child of that id; null when there is none.
HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId);
std::wstring VisibleWindows(DWORD processId);  // captions and static texts, for messages
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);
HWND WaitForWindow(const Process& process, const wchar_t* caption, int childId, DWORD timeoutMs,
                   DWORD pollMs = 20);
// Destroyed, not only hidden: the owner's code after a modal dialog runs once it is.
void WaitForDestroyed(HWND window, DWORD timeoutMs, DWORD pollMs = 20);
// Returns once the window's thread takes messages again: what it was doing is done, and
// any window it opened meanwhile exists.
void Sync(HWND window);

HWND Item(HWND dialog, int id);
std::wstring WindowText(HWND window);
std::wstring ItemText(HWND dialog, int id);
std::vector<std::wstring> StaticTexts(HWND dialog);
bool Enabled(HWND dialog, int id);
int Checked(HWND dialog, int id);
int ProgressPosition(HWND dialog, int id);

// Posted, not sent: what they start may open a modal dialog.
void Click(HWND dialog, int id);
void PressKey(HWND window, WORD virtualKey);
void RequestClose(HWND window);
void SetItemText(HWND dialog, int id, const std::wstring& text);

}  // namespace toolkit
