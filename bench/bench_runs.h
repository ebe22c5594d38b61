// The two timed measurements of the bench driver; each prints its own figures.
#pragma once

#include <string>

namespace bench {

struct Options {
  std::wstring disc = L"Q:";    // the drive that holds the bench disc
  std::wstring gameFolder;      // PATH of the disc's setup.ini
  std::wstring target = L"T:";  // scratch drive for the install and the plain copy
  std::wstring title;           // TITLE of the disc's setup.ini: the main window caption
  std::wstring productKey;      // under HKEY_CURRENT_USER; removed before every run
  int runs = 5;
};

// Install time of the disc's files against n x 60 ms plus a plain copy of the same files.
int RunInstallBench(const Options& options);
// Process start to the main window with its buttons set, against a minimal window program.
int RunStartupBench(const Options& options);
// One 1 GiB file copied by the launcher's copy routine against CopyFileW, on the target drive.
int RunCopyBench(const Options& options);

}  // namespace bench
