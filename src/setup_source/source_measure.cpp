// Measures the listed files on the disc, at the same paths the copy pass later reads.
#include "setup_source/source_measure.h"

#include <stdint.h>

#include "path/path_characters.h"
#include "platform/file_system.h"
#include "setup_source/setup_report.h"
#include "setup_source/source_path.h"

namespace {

// Rounds size up to even. A file of 2 GiB or more would turn negative in a signed 32-bit
// count, so the result is capped at INT32_MAX instead.
int32_t EvenSize(uint64_t size) {
  uint64_t even = size + (size & 1u);
  return even > INT32_MAX ? INT32_MAX : static_cast<int32_t>(even);
}

}  // namespace

int32_t MeasureSourceFile(const char* fileLine) {
  char path[kPathSize];
  if (!ComposeSourcePath(fileLine, path, sizeof path)) {
    ReportDiscPathTooLong(fileLine);
    return 0;
  }
  uint64_t size = 0;
  if (!OsGetFileSize(path, &size)) {
    ReportListedFileUnreadable(fileLine, path);
    return 0;
  }
  return EvenSize(size);
}
