// Driving another process's windows from outside, as a person would, through messages and
// key presses any program may send: the launcher carries no hooks. Shared with bench/.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace toolkit {

std::string Utf8(const std::wstring& text);
std::wstring Format(const wchar_t* format, ...);

// A window that never came or never went, a missing or disabled control.
struct WindowError : std::runtime_error {
  explicit WindowError(const std::wstring& why) : std::runtime_error(Utf8(why)), reason(why) {}
  std::wstring reason;
};

struct Process {
  PROCESS_INFORMATION process{};
  bool running = false;
  DWORD Id() const { return process.dwProcessId; }
};
void Start(Process& process, const std::wstring& path, const std::wstring& folder);
DWORD WaitForExit(Process& process, DWORD timeoutMs);  // the exit code
void Stop(Process& process);                           // ends it if it still runs

// A visible top-level window of the process with this caption and a child childId (unless 0).
HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId);
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);
HWND WaitForWindow(const Process& process, const wchar_t* caption, int childId, DWORD timeoutMs,
                   DWORD pollMs = 20);
// Destroyed, not only hidden: the owner's code after a modal dialog runs once it is.
void WaitForDestroyed(HWND window, DWORD timeoutMs, DWORD pollMs = 20);
// Returns once the window's thread takes messages again: what it was doing is done.
void Sync(HWND window);

HWND Item(HWND dialog, int id);
std::wstring WindowText(HWND window);
std::wstring ItemText(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
int Checked(HWND dialog, int id);
int ProgressPosition(HWND bar);      // -1 once the bar is gone
HWND Focus(const Process& process);  // the window with its main thread's keyboard focus

// Posted, not sent: what they start may open a modal dialog.
void Click(HWND dialog, int id);
void RequestClose(HWND window);
void SetItemText(HWND dialog, int id, const std::wstring& text);
// A key pressed on the keyboard, for the foreground window; Shift held when asked.
void PressKey(WORD virtualKey, bool shift = false);
// Characters typed on the keyboard, for the foreground window.
void TypeText(const std::wstring& text);

}  // namespace toolkit
