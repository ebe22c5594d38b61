// Start-up: from CreateProcess to the main window shown with its four buttons set from the
// installed state, against a minimal window program and a stock installer started the same
// way; then where setup.exe's time goes, from a stamping build of the same sources.
#include <cstdio>
#include <cwchar>

#include "bench.h"
#include "bench_runs.h"
#include "resource_ids.h"

namespace bench {

namespace {

struct Launch {
  const Options* options;
  bool launcher;
};

// Without a record the buttons read: Install enabled, Uninstall and Run game disabled. Only
// the evaluation of the installed state gives that, whatever the buttons start with.
bool Ready(const Launch& launch, const Program& program) {
  if (!launch.launcher) {
    return FindWindowOf(program.process.dwProcessId, nullptr, 0) != nullptr;
  }
  HWND main =
      FindWindowOf(program.process.dwProcessId, launch.options->title.c_str(), IDC_EXIT_BUTTON);
  return main != nullptr && GetDlgItem(main, IDC_INSTALL_BUTTON) != nullptr &&
         GetDlgItem(main, IDC_UNINSTALL_BUTTON) != nullptr &&
         GetDlgItem(main, IDC_RUN_GAME_BUTTON) != nullptr && Enabled(main, IDC_INSTALL_BUTTON) &&
         !Enabled(main, IDC_UNINSTALL_BUTTON) && !Enabled(main, IDC_RUN_GAME_BUTTON);
}

// With a stamp file, the program is left running until it has written that file.
double TimedStart(const Launch& launch, const std::wstring& path,
                  const std::wstring& stampFile = L"") {
  Program program;
  try {
    double start = Seconds();
    Start(program, path, L"C:\\");
    DWORD began = GetTickCount();
    while (!Ready(launch, program)) {
      if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0) {
        throw Abort{path + L" ended before its window was shown"};
      }
      if (GetTickCount() - began > 120000) {
        throw Abort{path + L" showed no ready window within two minutes"};
      }
      Sleep(1);
    }
    double seconds = Seconds() - start;
    while (!stampFile.empty() && GetFileAttributesW(stampFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
      if (WaitForSingleObject(program.process.hProcess, 1) == WAIT_OBJECT_0 ||
          GetTickCount() - began > 120000) {
        throw Abort{path + L" wrote no stamps"};
      }
    }
    Stop(program);
    return seconds;
  } catch (...) {
    Stop(program);
    throw;
  }
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The stamps of one start of the stamping build, as seconds after CreateProcess.
std::vector<double> StampedStart(const Launch& launch, const std::wstring& path,
                                 const std::wstring& stampFile) {
  DeleteFileW(stampFile.c_str());
  SetEnvironmentVariableW(L"BENCH_STEPS", stampFile.c_str());
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  double ready = TimedStart(launch, path, stampFile);
  SetEnvironmentVariableW(L"BENCH_STEPS", nullptr);
  std::vector<double> stamps;
  FILE* file = _wfopen(stampFile.c_str(), L"r");
  if (file == nullptr) {
    throw Abort{L"the stamping build wrote no stamps"};
  }
  long long counter = 0;
  while (std::fscanf(file, "%lld", &counter) == 1) {
    stamps.push_back(static_cast<double>(counter - start.QuadPart) /
                     static_cast<double>(frequency.QuadPart));
  }
  std::fclose(file);
  stamps.push_back(ready);
  return stamps;
}

const wchar_t* const kSteps[] = {
    L"process start to WinMain (loader, DLLs)",
    L"process prepared",
    L"disc search",
    L"description loaded, files measured",
    L"no other launcher for the key",
    L"record read",
    L"apart: the files measured by opening each (the earlier way)",
    L"apart: one splash load",
    L"apart: the files measured again (one attribute query each)",
    L"window shown and painted",
    L"record again, buttons made in their state",
    L"buttons set to seen by the driver",
};
const size_t kStepCount = sizeof kSteps / sizeof kSteps[0];

// Each step's time after the one before, for one start of the stamping build.
void AddStampedStart(const Launch& launch, const std::wstring& path,
                     std::vector<std::vector<double>>& steps) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring stampFile = std::wstring(temp) + L"bench-steps.txt";
  std::vector<double> stamps = StampedStart(launch, path, stampFile);
  DeleteFileW(stampFile.c_str());
  if (stamps.size() != kStepCount) {
    throw Abort{Format(L"the stamping build gave %d stamps", static_cast<int>(stamps.size()))};
  }
  steps.resize(kStepCount);
  for (size_t i = 0; i < kStepCount; ++i) {
    steps[i].push_back(stamps[i] - (i == 0 ? 0.0 : stamps[i - 1]));
  }
}

// Each step's median, in the order the launcher takes them; the "apart" steps are
// extra work of the stamping build, left out of its total.
void PrintBreakdown(const std::vector<std::vector<double>>& steps) {
  Print(Format(L"start-up breakdown, stamping build of the same sources (median of %d runs)",
               static_cast<int>(steps[0].size())));
  std::vector<double> totals(steps[0].size(), 0.0);
  for (size_t i = 0; i < kStepCount; ++i) {
    Print(Row(kSteps[i], Figures(steps[i], 1000.0, L"ms")));
    if (wcsncmp(kSteps[i], L"apart:", 6) == 0) continue;
    for (size_t run = 0; run < totals.size(); ++run) totals[run] += steps[i][run];
  }
  Print(Row(L"total without the apart steps", Figures(totals, 1000.0, L"ms")));
}

}  // namespace

int RunStartupBench(const Options& options) {
  RegDeleteTreeW(HKEY_CURRENT_USER, options.productKey.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, options.productKey.c_str());
  Launch launcher{&options, true};
  Launch minimal{&options, false};
  std::wstring setupPath = options.disc + L"\\setup.exe";
  std::wstring minimalPath = options.disc + L"\\minimal_window.exe";
  std::wstring stockPath = options.disc + L"\\peer-setup.exe";
  std::wstring stepsPath = options.disc + L"\\startup_steps.exe";
  bool withStock = Exists(stockPath);

  std::vector<std::wstring> files;
  unsigned long long bytes = 0;
  ListFiles(options.disc + L"\\" + options.gameFolder, L"", files, bytes);

  // The first start of each pays for loading what Wine caches: not counted.
  TimedStart(launcher, setupPath);
  TimedStart(minimal, minimalPath);
  if (withStock) TimedStart(minimal, stockPath);
  bool withSteps = Exists(stepsPath);
  std::vector<std::vector<double>> steps;
  if (withSteps) AddStampedStart(launcher, stepsPath, steps);
  if (withSteps) steps.clear();  // the first start is not counted, as above
  std::vector<double> setups;
  std::vector<double> minimals;
  std::vector<double> stocks;
  std::vector<double> ratios;
  std::vector<double> stockRatios;
  for (int run = 0; run < options.runs; ++run) {
    double setup = TimedStart(launcher, setupPath);
    double bare = TimedStart(minimal, minimalPath);
    setups.push_back(setup);
    minimals.push_back(bare);
    ratios.push_back(setup / bare);
    if (withStock) {
      // Its first window needs no disc files: shown is ready, as for the minimal window.
      double stock = TimedStart(minimal, stockPath);
      stocks.push_back(stock);
      stockRatios.push_back(setup / stock);
    }
    // In the same round as the others, so that all see the machine equally loaded.
    if (withSteps) AddStampedStart(launcher, stepsPath, steps);
  }

  Print(Format(L"start-up, %d-file description (median of %d runs)", static_cast<int>(files.size()),
               options.runs));
  Print(Row(L"setup.exe, start to buttons set", Figures(setups, 1000.0, L"ms")));
  Print(Row(L"minimal window, start to shown", Figures(minimals, 1000.0, L"ms")));
  if (withStock) {
    Print(Row(L"stock installer, start to shown", Figures(stocks, 1000.0, L"ms")));
  }
  Print(Row(L"setup.exe / minimal window",
            RatioFigures(Median(setups) / Median(minimals), ratios, L"target <= 1.4")));
  if (withStock) {
    Print(Row(L"setup.exe / stock installer",
              RatioFigures(Median(setups) / Median(stocks), stockRatios, L"target <= 0.9")));
  } else {
    Print(L"  stock installer: not on the disc (makensis missing), not measured");
  }
  if (withSteps) PrintBreakdown(steps);
  return 0;
}

}  // namespace bench
