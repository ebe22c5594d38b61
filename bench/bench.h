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
using toolkit::WaitForDestroyed;
using toolkit::WaitForWindow;
using toolkit::WaitUntil;

void Print(const std::wstring& line);

double Seconds();  // a monotonic clock (QueryPerformanceCounter) in seconds
double Median(std::vector<double> values);
std::wstring Figures(const std::vector<double>& values, double scale, const wchar_t* unit);
std::wstring Row(const std::wstring& label, const std::wstring& figures);  // one aligned line
// "0.954 (ratio of the medians; per run ...)   target": the medians' ratio is the steadier
// figure on a busy machine; ratios are the single runs'.
std::wstring RatioFigures(double ratioOfMedians, const std::vector<double>& ratios,
                          const wchar_t* target);

// How long a window may take to come, and a copy pass to end, before the run is given up:
// long enough under Wine on a loaded machine, so a miss means a broken run.
const DWORD kWaitMs = 120000;
const DWORD kCopyWaitMs = 900000;

// Files: every file below a folder (relative paths), copies, removal of whole trees.
void ListFiles(const std::wstring& root, const std::wstring& relative,
               std::vector<std::wstring>& files, unsigned long long& bytes);
void RemoveTree(const std::wstring& path);

}  // namespace bench
