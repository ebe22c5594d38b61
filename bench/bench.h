// The bench driver's toolkit: timing, medians, starting programs and finding and pressing
// their windows from outside, as a person would, with the wide API only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// A broken precondition or a window that never came ends the measurement.
struct Abort {
  std::wstring reason;
};

void Print(const std::wstring& line);
std::wstring Format(const wchar_t* format, ...);

double Seconds();  // a monotonic clock (QueryPerformanceCounter) in seconds
double Median(std::vector<double> values);
std::wstring Figures(const std::vector<double>& values, double scale, const wchar_t* unit);
std::wstring Row(const std::wstring& label, const std::wstring& figures);  // one aligned line

struct Program {
  PROCESS_INFORMATION process{};
  bool running = false;
};
void Start(Program& program, const std::wstring& path, const std::wstring& folder);
void Stop(Program& program);

HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId);
HWND WaitForWindow(const Program& program, const wchar_t* caption, int childId, DWORD pollMs,
                   const wchar_t* what);
void WaitForGone(HWND window, DWORD pollMs, const wchar_t* what);
bool Enabled(HWND window, int id);
void Click(HWND window, int id);
void SetItemText(HWND window, int id, const std::wstring& text);

// Files: every file below a folder (relative paths), copies, removal of whole trees.
void ListFiles(const std::wstring& root, const std::wstring& relative,
               std::vector<std::wstring>& files, unsigned long long& bytes);
void RemoveTree(const std::wstring& path);

}  // namespace bench
