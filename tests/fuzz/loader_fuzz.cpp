// libFuzzer target for the setup.ini loader: any bytes load without a write past a table or
// text, into a description the launcher can trust: counts within capacities, texts ended,
// one bit per file, and no accepted setting or file name reaching outside the game's place.
#include <ctype.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"

namespace {

// The disc is current only while an input loads: libFuzzer reads its corpus by relative paths.
char g_Disc[] = "/tmp/loader_fuzz_XXXXXX";
int g_Home = -1;

void WriteFile(const char* name, const void* data, size_t size) {
  FILE* file = fopen(name, "wb");
  if (file == nullptr) abort();
  if (size > 0) fwrite(data, 1, size, file);
  fclose(file);
}

// Leaves no scratch disc behind when libFuzzer ends the run.
void RemoveDisc() {
  std::error_code ignored;
  if (fchdir(g_Home) == 0) std::filesystem::remove_all(g_Disc, ignored);
}

// A scratch disc with a game folder holding a few files, so that file lines get measured.
bool PrepareDisc() {
  g_Home = open(".", O_RDONLY | O_DIRECTORY);
  if (g_Home < 0 || mkdtemp(g_Disc) == nullptr || chdir(g_Disc) != 0) abort();
  std::filesystem::create_directories("GAME/data");
  WriteFile("GAME/game.exe", "MZ\x90", 3);
  WriteFile("GAME/data/a.dat", "", 0);
  atexit(RemoveDisc);
  g_SetupReporter = [](int, SetupSeverity, SetupProblem, va_list) {};
  return fchdir(g_Home) == 0;
}

// A text held in a char array ends inside it.
#define TERMINATED(array) (memchr(array, '\0', sizeof array) != nullptr)

#define CHECK(condition) \
  ((condition) ? (void)0 : (fprintf(stderr, "invariant broken: %s\n", #condition), abort()))

// Whole characters of code page 932, so that the second byte of 表 is no separator.
size_t Step(const char* p) { return (static_cast<unsigned char>(*p) >= 0x80 && p[1]) ? 2 : 1; }

// A component that steps up (dots and blanks, two dots or more) or, with devices, one
// that Windows takes for a device ("con.txt", "LPT1 .x").
bool HasComponent(const char* path, bool devices) {
  static const std::regex kUp("[. ]*\\.[. ]*\\.[. ]*");
  static const std::regex kDevice("(con|prn|aux|nul|com[1-9]|lpt[1-9]) *(\\..*)?",
                                  std::regex::icase);
  for (const char* start = path;; ++start) {
    const char* end = start;
    while (*end && *end != '\\' && *end != '/') end += Step(end);
    if (std::regex_match(start, end, kUp) || (devices && std::regex_match(start, end, kDevice)))
      return true;
    if (*end == '\0') return false;
    start = end;
  }
}

// Not rooted, no drive, no parent step: the path stays below the folder it is joined to.
bool StaysInside(const char* path) {
  return path[0] != '\\' && path[0] != '/' && !(isalpha(path[0]) && path[1] == ':') &&
         !HasComponent(path, false);
}

// Names joined by single backslashes (whole characters), none empty; one name if single.
bool IsNameChain(const char* text, bool single) {
  bool empty = true;
  for (const char* p = text; *p; p += Step(p)) {
    if (*p == '\\' && (empty || single)) return false;
    empty = *p == '\\';
  }
  return !empty;
}

void CheckDescription() {
  const SetupDescription& d = g_Setup;
  CHECK(TERMINATED(d.TITLE) && TERMINATED(d.PATH) && TERMINATED(d.DEFDIR) && TERMINATED(d.MD) &&
        TERMINATED(d.EXE) && TERMINATED(d.REG_P) && TERMINATED(d.REG_S) && TERMINATED(d.REG_T) &&
        TERMINATED(d.ProductKeyPath) && TERMINATED(d.SourceFolder));
  CHECK(IsNameChain(d.MD, true) && !strpbrk(d.MD, "/:") && !HasComponent(d.MD, true));
  CHECK(d.EXE[0] != '\0' && StaysInside(d.EXE) && StaysInside(d.PATH));
  CHECK(IsNameChain(d.REG_S, true) && IsNameChain(d.REG_T, true) && IsNameChain(d.REG_P, false));

  CHECK(d.typeCount <= kMaxDataTypes && d.fileCount >= 0 && d.fileCount <= kMaxFileEntries);
  for (int i = 0; i < d.typeCount; ++i) {
    const DataType& type = d.types[i];
    CHECK(TERMINATED(type.name) && type.name[0] != '\0' && type.size >= 0);
  }
  for (const TypeSet& set : d.sets) {
    CHECK(set.count <= kMaxSetEntries && set.size >= 0);
    TypeMask mask = 0;
    for (int e = 0; e < set.count; ++e) {
      CHECK(set.entries[e] >= -1 && set.entries[e] < d.typeCount);
      mask |= set.entries[e] < 0 ? kNoTypeBit : TypeMask{1} << set.entries[e];
    }
    CHECK(mask == set.mask);
  }
  int64_t typeTotals[kMaxDataTypes] = {};
  for (int i = 0; i < d.fileCount; ++i) {
    const FileEntry& file = d.files[i];
    CHECK(TERMINATED(file.name) && file.name[0] != '\0');
    CHECK(StaysInside(file.name) && !HasComponent(file.name, true) &&
          !strpbrk(file.name, ":*?\"<>"));
    CHECK(file.mask != 0 && (file.mask & (file.mask - 1)) == 0 && file.size >= 0 &&
          file.size % 2 == 0 &&
          (file.mask == kNoTypeBit || file.mask < (TypeMask{1} << d.typeCount)));
    if (file.mask != kNoTypeBit) typeTotals[__builtin_ctz(file.mask)] += file.size;
  }
  for (int t = 0; t < d.typeCount; ++t) CHECK(typeTotals[t] == d.types[t].size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = PrepareDisc();
  if (!ready || chdir(g_Disc) != 0) abort();
  WriteFile("setup.ini", data, size);
  ResetSetupDescriptionToDefaults();
  if (!OpenSetupStream()) abort();
  LoadSetupDescription();
  CloseSetupFile();
  if (fchdir(g_Home) != 0) abort();
  CheckDescription();
  return 0;
}
