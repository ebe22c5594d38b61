// Start-up: from CreateProcess to the main window shown with its four buttons set from the
// installed state, against a minimal window program started the same way.
#include "bench.h"
#include "bench_runs.h"

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
  HWND main = FindWindowOf(program.process.dwProcessId, launch.options->title.c_str(), 1004);
  return main != nullptr && GetDlgItem(main, 1001) != nullptr &&
         GetDlgItem(main, 1002) != nullptr && GetDlgItem(main, 1003) != nullptr &&
         IsWindowEnabled(GetDlgItem(main, 1001)) && !IsWindowEnabled(GetDlgItem(main, 1002)) &&
         !IsWindowEnabled(GetDlgItem(main, 1003));
}

double TimedStart(const Launch& launch, const std::wstring& path) {
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
    Stop(program);
    return seconds;
  } catch (...) {
    Stop(program);
    throw;
  }
}

}  // namespace

int RunStartupBench(const Options& options) {
  RegDeleteTreeW(HKEY_CURRENT_USER, options.productKey.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, options.productKey.c_str());
  Launch launcher{&options, true};
  Launch minimal{&options, false};
  std::wstring setupPath = options.disc + L"\\setup.exe";
  std::wstring minimalPath = options.disc + L"\\minimal_window.exe";

  std::vector<std::wstring> files;
  unsigned long long bytes = 0;
  ListFiles(options.disc + L"\\" + options.gameFolder, L"", files, bytes);

  // The first start of each pays for loading what Wine caches: not counted.
  TimedStart(launcher, setupPath);
  TimedStart(minimal, minimalPath);
  std::vector<double> setups;
  std::vector<double> minimals;
  std::vector<double> ratios;
  for (int run = 0; run < options.runs; ++run) {
    double setup = TimedStart(launcher, setupPath);
    double bare = TimedStart(minimal, minimalPath);
    setups.push_back(setup);
    minimals.push_back(bare);
    ratios.push_back(setup / bare);
  }

  Print(Format(L"start-up, %d-file description (median of %d runs)", static_cast<int>(files.size()),
               options.runs));
  Print(Row(L"setup.exe, start to buttons set", Figures(setups, 1000.0, L"ms")));
  Print(Row(L"minimal window, start to shown", Figures(minimals, 1000.0, L"ms")));
  // A busy machine slows single starts of either: the medians' ratio is the steadier figure.
  std::wstring perRun = Figures(ratios, 1.0, L"");
  Print(Row(L"setup.exe / minimal window",
            Format(L"%.3f (ratio of the medians; per run%ls", Median(setups) / Median(minimals),
                   perRun.substr(perRun.find(L" (runs") + 6).c_str())));
  return 0;
}

}  // namespace bench
