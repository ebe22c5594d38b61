// setup.ini and folder log readers on any bytes: nothing written past an end, all in bounds.
#include <ctype.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "install/folder_log.h"
#include "path/path_characters.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"

namespace {

// The disc is current only while an input loads: libFuzzer reads its corpus by relative paths.
char g_Disc[] = "/tmp/readers_fuzz_XXXXXX";
int g_Home = -1;

// A scratch disc with a game folder holding a few files, so that file lines get measured.
bool PrepareDisc() {
  g_Home = open(".", O_RDONLY | O_DIRECTORY);
  if (g_Home < 0 || mkdtemp(g_Disc) == nullptr || chdir(g_Disc) != 0) abort();
  std::filesystem::create_directories("GAME/data");
  std::ofstream("GAME/game.exe") << "MZ\x90";
  std::ofstream("GAME/data/a.dat");
  atexit([] {  // no scratch disc is left behind when libFuzzer ends the run
    std::error_code ignored;
    if (fchdir(g_Home) == 0) std::filesystem::remove_all(g_Disc, ignored);
  });
  // Any reporter keeps the loader from showing boxes; this one ignores every problem.
#define IGNORE_PROBLEM(Name, severity, parameters, arguments, text) [](auto...) {},
  static const SetupReporter kIgnore = {SETUP_PROBLEMS(IGNORE_PROBLEM)};
  g_SetupReporter = &kIgnore;
  return fchdir(g_Home) == 0;
}

#define TERMINATED(array) (memchr(array, '\0', sizeof array) != nullptr)

#define CHECK(condition) \
  ((condition) ? (void)0 : (fprintf(stderr, "invariant broken: %s\n", #condition), abort()))

// A component that steps up, or a device name (devices), or one Windows reads as another (aliases).
bool HasComponent(const char* path, bool devices, bool aliases = false) {
  static const std::regex kUp("[. ]*\\.[. ]*\\.[. ]*");
  static const std::regex kDevice("(con|prn|aux|nul|com[1-9]|lpt[1-9]) *(\\..*)?",
                                  std::regex::icase);
  static const std::regex kAlias("([\\s\\S]*[. ])?");
  for (const char* start = path;; ++start) {
    const char* end = start;
    while (*end && *end != '\\' && *end != '/') end += PathCharLength(end);
    if (std::regex_match(start, end, kUp) || (devices && std::regex_match(start, end, kDevice)) ||
        (aliases && std::regex_match(start, end, kAlias)))
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
  for (const char* p = text; *p; p += PathCharLength(p)) {
    if (*p == '\\' && (empty || single)) return false;
    empty = *p == '\\';
  }
  return !empty;
}

// Software or below it, never in the system's own trees there.
bool IsOwnKeyTree(const char* path) {
  static const std::regex kOwn(
      "software(\\\\(?!(microsoft|classes|policies|wow6432node)(\\\\|$))[\\s\\S]*)?",
      std::regex::icase);
  return std::regex_match(path, kOwn);
}

void CheckDescription() {
  const SetupDescription& d = g_Setup;
  CHECK(TERMINATED(d.TITLE) && TERMINATED(d.PATH) && TERMINATED(d.DEFDIR) && TERMINATED(d.MD) &&
        TERMINATED(d.EXE) && TERMINATED(d.REG_P) && TERMINATED(d.REG_S) && TERMINATED(d.REG_T) &&
        TERMINATED(d.ProductKeyPath) && TERMINATED(d.SourceFolder));
  CHECK(IsNameChain(d.MD, true) && !strpbrk(d.MD, "/:") && !HasComponent(d.MD, true));
  CHECK(d.EXE[0] != '\0' && StaysInside(d.EXE) && StaysInside(d.PATH));
  CHECK(IsNameChain(d.REG_S, true) && IsNameChain(d.REG_T, true) && IsNameChain(d.REG_P, false));
  CHECK(IsOwnKeyTree(d.REG_P) && IsOwnKeyTree(d.ProductKeyPath));  // the maker's key too
  CHECK(strlen(d.ProductKeyPath) == strlen(d.REG_P) + strlen(d.REG_S) + strlen(d.REG_T) + 2);

  CHECK(d.typeCount <= kMaxDataTypes && d.fileCount >= 0 && d.fileCount <= kMaxFileEntries);
  for (const DataType* t = d.types; t < d.types + d.typeCount; ++t)
    CHECK(TERMINATED(t->name) && t->name[0] != '\0' && t->size >= 0);
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
    CHECK(StaysInside(file.name) && !HasComponent(file.name, true, true) &&
          !strpbrk(file.name, ":*?\"<>"));
    CHECK(file.mask != 0 && (file.mask & (file.mask - 1)) == 0 && file.size >= 0 &&
          file.size % 2 == 0 &&
          (file.mask == kNoTypeBit || file.mask < (TypeMask{1} << d.typeCount)));
    if (file.mask != kNoTypeBit) typeTotals[__builtin_ctz(file.mask)] += file.size;
  }
  for (int t = 0; t < d.typeCount; ++t) CHECK(typeTotals[t] == d.types[t].size);
}

void CheckFolderLog(const char* path) {
  for (auto read : {ReadFolderLog, ReadTemporaryFolderLog}) {
    FolderLogEntries entries;
    if (!read(path, &entries)) continue;
    CHECK(entries.count >= 0 && entries.count <= kFolderLogMaxEntries);
    for (int i = 0; i < entries.count; ++i) CHECK(TERMINATED(entries.slots[i]));
    ReleaseFolderLogEntries(&entries);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = PrepareDisc();
  if (!ready || chdir(g_Disc) != 0) abort();
  std::ofstream("setup.ini", std::ios::binary).write(reinterpret_cast<const char*>(data), size);
  ResetSetupDescriptionToDefaults();
  if (!OpenSetupStream()) abort();
  LoadSetupDescription();
  CloseSetupFile();
  CheckFolderLog("setup.ini");
  if (fchdir(g_Home) != 0) abort();
  CheckDescription();
  return 0;
}
