// The bench driver's toolkit: timing, medians, starting programs and finding and pressing
// their windows from outside, as a person would, with the wide API only.
#pragma once

#include <string>
#include <vector>

#include "window_toolkit.h"

namespace bench {

// The window driving is the end-to-end tests' toolkit; a wait that fails throws Abort.
using Abort = toolkit::WindowError;
using Program = toolkit::Process;
using toolkit::Click;
using toolkit::Enabled;
using toolkit::FindWindowOf;
using toolkit::Format;
using toolkit::SetItemText;
using toolkit::Start;
using toolkit::Stop;

void Print(const std::wstring& line);

double Seconds();  // a monotonic clock (QueryPerformanceCounter) in seconds
double Median(std::vector<double> values);
std::wstring Figures(const std::vector<double>& values, double scale, const wchar_t* unit);
std::wstring Row(const std::wstring& label, const std::wstring& figures);  // one aligned line
// "0.954 (ratio of the medians; per run ...)   target": the medians' ratio is the steadier
// figure on a busy machine; ratios are the single runs'.
std::wstring RatioFigures(double ratioOfMedians, const std::vector<double>& ratios,
                          const wchar_t* target);

// Waits polled every pollMs, for a window to come and to be destroyed.
HWND WaitForWindow(const Program& program, const wchar_t* caption, int childId, DWORD pollMs,
                   const wchar_t* what);
void WaitForGone(HWND window, DWORD pollMs, const wchar_t* what);

// Files: every file below a folder (relative paths), copies, removal of whole trees.
void ListFiles(const std::wstring& root, const std::wstring& relative,
               std::vector<std::wstring>& files, unsigned long long& bytes);
void RemoveTree(const std::wstring& path);

}  // namespace bench
