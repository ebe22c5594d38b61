// Big-file copy: the launcher's own piecewise copy routine against CopyFileW on the same
// 1 GiB file of the scratch drive, and the longest pause between two of its progress calls
// (the launcher pumps its dialog's messages in each).
#include <string>
#include <vector>

#include "bench.h"
#include "bench_runs.h"
#include "platform/copy_with_progress.h"
#include "platform/file_system.h"

namespace bench {

namespace {

const unsigned long long kFileBytes = 1ull << 30;

double g_LastCall;
double g_LongestGap;
int g_Calls;

// As the copy dialog does in each call: every waiting message handled, which costs a trip
// to the window system even with none waiting.
bool OnProgress(unsigned long long, unsigned long long) {
  double now = Seconds();
  if (g_Calls++ > 0 && now - g_LastCall > g_LongestGap) g_LongestGap = now - g_LastCall;
  g_LastCall = now;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

// Bytes that no file system can store as holes or compress away.
void MakeSourceFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw Abort{L"cannot create " + path};
  }
  std::vector<unsigned> piece(1 << 18);
  unsigned state = 12345;
  for (unsigned long long done = 0; done < kFileBytes; done += piece.size() * sizeof piece[0]) {
    for (unsigned& word : piece) word = state = state * 1664525u + 1013904223u;
    DWORD put = 0;
    DWORD bytes = static_cast<DWORD>(piece.size() * sizeof piece[0]);
    if (!WriteFile(file, piece.data(), bytes, &put, nullptr) || put != bytes) {
      CloseHandle(file);
      throw Abort{L"cannot write " + path};
    }
  }
  CloseHandle(file);
}

double LauncherCopy(const std::wstring& source, const std::wstring& target) {
  // Plain ASCII paths: the routine's code page 932 text is the same bytes.
  std::string narrowSource(source.begin(), source.end());
  std::string narrowTarget(target.begin(), target.end());
  g_Calls = 0;
  double start = Seconds();
  OsCopyResult result =
      OsCopyFileWithProgress(narrowSource.c_str(), narrowTarget.c_str(), OnProgress);
  double seconds = Seconds() - start;
  if (result != kOsCopyDone) {
    throw Abort{L"the launcher's copy failed"};
  }
  return seconds;
}

double SystemCopy(const std::wstring& source, const std::wstring& target) {
  double start = Seconds();
  BOOL copied = CopyFileW(source.c_str(), target.c_str(), FALSE);
  double seconds = Seconds() - start;
  if (!copied) {
    throw Abort{Format(L"CopyFileW failed (error %lu)", GetLastError())};
  }
  return seconds;
}

}  // namespace

int RunCopyBench(const Options& options) {
  std::wstring folder = options.target + L"\\bench-copy";
  RemoveTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  std::wstring source = folder + L"\\source.bin";
  std::wstring target = folder + L"\\target.bin";
  std::vector<double> launcher;
  std::vector<double> system;
  std::vector<double> ratios;
  std::vector<double> gaps;
  try {
    MakeSourceFile(source);
    SystemCopy(source, target);  // the first pass warms the caches: not counted
    RemoveTree(target);
    for (int run = 0; run < options.runs; ++run) {
      // Alternating which goes first, so neither always finds the other's pages cached.
      g_LongestGap = 0.0;
      double ours = 0.0;
      double theirs = 0.0;
      if (run % 2 == 0) {
        ours = LauncherCopy(source, target);
        RemoveTree(target);
        theirs = SystemCopy(source, target);
      } else {
        theirs = SystemCopy(source, target);
        RemoveTree(target);
        ours = LauncherCopy(source, target);
      }
      RemoveTree(target);
      launcher.push_back(ours);
      system.push_back(theirs);
      ratios.push_back(theirs / ours);
      gaps.push_back(g_LongestGap);
    }
  } catch (...) {
    RemoveTree(folder);
    throw;
  }
  RemoveTree(folder);
  const double mib = static_cast<double>(kFileBytes) / (1024.0 * 1024.0);
  std::vector<double> ourSpeeds;
  std::vector<double> theirSpeeds;
  for (size_t i = 0; i < launcher.size(); ++i) {
    ourSpeeds.push_back(mib / launcher[i]);
    theirSpeeds.push_back(mib / system[i]);
  }
  Print(Format(L"copy, one 1 GiB file on the scratch drive (median of %d runs)", options.runs));
  Print(Row(L"launcher's copy routine", Figures(ourSpeeds, 1.0, L"MiB/s")));
  Print(Row(L"CopyFileW", Figures(theirSpeeds, 1.0, L"MiB/s")));
  Print(Row(L"launcher / CopyFileW throughput",
            RatioFigures(Median(ourSpeeds) / Median(theirSpeeds), ratios, L"target >= 0.9")));
  Print(
      Row(L"longest gap between two pumps", Figures(gaps, 1000.0, L"ms") + L"   target <= 50 ms"));
  return 0;
}

}  // namespace bench
