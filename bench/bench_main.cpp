// Entry of the bench driver: reads which measurement to take and where the disc and the
// scratch drive are, then prints figures. It never judges them: the exit code only says
// whether the measurement could be taken.
#include <cwchar>

#include "bench.h"
#include "bench_runs.h"

namespace {

int Usage() {
  bench::Print(
      L"usage: bench_driver install|startup|copy --game FOLDER --title TEXT --key "
      L"KEY [--disc Q:] [--target T:] [--runs N]");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    return Usage();
  }
  bench::Options options;
  for (int i = 2; i + 1 < argc; i += 2) {
    std::wstring name = argv[i];
    std::wstring value = argv[i + 1];
    if (name == L"--disc") {
      options.disc = value;
    } else if (name == L"--game") {
      options.gameFolder = value;
    } else if (name == L"--target") {
      options.target = value;
    } else if (name == L"--title") {
      options.title = value;
    } else if (name == L"--key") {
      options.productKey = value;
    } else if (name == L"--runs") {
      options.runs = _wtoi(value.c_str());
    } else {
      return Usage();
    }
  }
  if (options.gameFolder.empty() || options.title.empty() || options.productKey.empty() ||
      options.runs < 1) {
    return Usage();
  }
  std::wstring what = argv[1];
  try {
    if (what == L"install") {
      return bench::RunInstallBench(options);
    }
    if (what == L"startup") {
      return bench::RunStartupBench(options);
    }
    if (what == L"copy") {
      return bench::RunCopyBench(options);
    }
  } catch (const bench::Abort& abort) {
    bench::Print(L"bench: " + what + L" not measured: " + abort.reason);
    return 1;
  }
  return Usage();
}
