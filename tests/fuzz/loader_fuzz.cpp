// libFuzzer target for the setup.ini loader: any bytes on a disc must load without a
// write past a table or text, and leave a description that the rest of the launcher
// can trust (counts within capacities, texts terminated, one bit per file).
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"

namespace {

void Swallow(int, SetupSeverity, const char*) {}

// The disc is the current folder only while an input loads: libFuzzer reads its corpus
// by relative paths between runs.
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
  if (chdir(g_Disc) != 0) return;
  unlink("setup.ini");
  unlink("GAME/data/a.dat");
  unlink("GAME/game.exe");
  rmdir("GAME/data");
  rmdir("GAME");
  if (fchdir(g_Home) == 0) rmdir(g_Disc);
}

// A scratch disc with a game folder holding a few files, so that file lines get measured.
bool PrepareDisc() {
  g_Home = open(".", O_RDONLY | O_DIRECTORY);
  if (g_Home < 0 || mkdtemp(g_Disc) == nullptr || chdir(g_Disc) != 0) abort();
  mkdir("GAME", 0755);
  mkdir("GAME/data", 0755);
  WriteFile("GAME/game.exe", "MZ\x90", 3);
  WriteFile("GAME/data/a.dat", "", 0);
  atexit(RemoveDisc);
  g_SetupReporter = Swallow;
  return fchdir(g_Home) == 0;
}

bool Terminated(const char* text, size_t cap) { return memchr(text, '\0', cap) != nullptr; }

#define CHECK(condition)                                     \
  do {                                                       \
    if (!(condition)) {                                      \
      fprintf(stderr, "invariant broken: %s\n", #condition); \
      abort();                                               \
    }                                                        \
  } while (0)

void CheckDescription() {
  const SetupDescription& d = g_Setup;
  CHECK(Terminated(d.TITLE, sizeof d.TITLE) && Terminated(d.PATH, sizeof d.PATH));
  CHECK(Terminated(d.DEFDIR, sizeof d.DEFDIR) && Terminated(d.MD, sizeof d.MD));
  CHECK(Terminated(d.EXE, sizeof d.EXE) && Terminated(d.REG_P, sizeof d.REG_P));
  CHECK(Terminated(d.REG_S, sizeof d.REG_S) && Terminated(d.REG_T, sizeof d.REG_T));
  CHECK(Terminated(d.ProductKeyPath, sizeof d.ProductKeyPath));
  CHECK(Terminated(d.SourceFolder, sizeof d.SourceFolder));

  CHECK(d.typeCount <= kMaxDataTypes);
  for (int i = 0; i < d.typeCount; ++i) {
    CHECK(Terminated(d.types[i].name, sizeof d.types[i].name));
    CHECK(d.types[i].name[0] != '\0' && d.types[i].size >= 0);
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
  CHECK(d.fileCount >= 0 && d.fileCount <= kMaxFileEntries);
  int64_t typeTotals[kMaxDataTypes] = {};
  for (int i = 0; i < d.fileCount; ++i) {
    const FileEntry& file = d.files[i];
    CHECK(Terminated(file.name, sizeof file.name) && file.name[0] != '\0');
    CHECK(file.mask != 0 && (file.mask & (file.mask - 1)) == 0);
    CHECK(file.mask == kNoTypeBit || file.mask < (TypeMask{1} << d.typeCount));
    CHECK(file.size >= 0 && file.size % 2 == 0);
    for (int t = 0; t < kMaxDataTypes; ++t) {
      if (file.mask == (TypeMask{1} << t)) typeTotals[t] += file.size;
    }
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
