// Prints the report for people: what the launcher will see, with sizes in the same form
// as the install dialog.
#include "text_report.h"

#include <stdio.h>

#include "diagnostics.h"
#include "disc_check.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_keywords.h"
#include "setup_source/source_path.h"
#include "text/size_text.h"
#include "utf8_output.h"

namespace {

void PrintSetting(const char* name, const char* value) {
  printf("%-15s ", name);
  PrintUtf8(stdout, value);
  fputc('\n', stdout);
}

void PrintSize(int32_t size) {
  char text[16];
  FormatSizeText(text, sizeof text, size);
  printf("%s (%ld bytes)", text, static_cast<long>(size));
}

}  // namespace

void PrintTextReport() {
  for (int i = 0; i < kSettingKeywordCount; ++i) {
    PrintSetting(kSetupKeywords[i].name, kSetupKeywords[i].setting);
  }
  PrintSetting("ProductKeyPath", g_Setup.ProductKeyPath);
  PrintSetting("SourceFolder", g_Setup.SourceFolder);
  if (g_DiscDrive.isDriveRoot) {
    printf("%-15s %s %s, label \"", "Disc", g_DiscDrive.root, DriveTypeText(g_DiscDrive.type));
    PrintUtf8(stdout, g_DiscDrive.label);
    printf("\": the launcher %s\n", g_DiscDrive.found ? "finds it" : "does not find it");
  }

  printf("\nData types (%u):\n", static_cast<unsigned>(g_Setup.typeCount));
  for (int i = 0; i < g_Setup.typeCount && i < kMaxDataTypes; ++i) {
    printf("  %2d  ", i);
    PrintUtf8(stdout, g_Setup.types[i].name);
    fputs("  ", stdout);
    PrintSize(g_Setup.types[i].size);
    fputc('\n', stdout);
  }

  printf("\nType sets:\n");
  for (int s = 0; s < kTypeSetCount; ++s) {
    const TypeSet& set = g_Setup.sets[s];
    printf("  %s  entries", kTypeSetNames[s]);
    if (set.count == 0) fputs(" (none)", stdout);
    for (int e = 0; e < set.count && e < kMaxSetEntries; ++e) printf(" %d", set.entries[e]);
    printf("  mask 0x%08lx  size ", static_cast<unsigned long>(set.mask));
    PrintSize(set.size);
    fputc('\n', stdout);
  }

  printf("\nFiles (%ld):\n", static_cast<long>(g_Setup.fileCount));
  for (int32_t i = 0; i < g_Setup.fileCount && i < kMaxFileEntries; ++i) {
    const FileEntry& file = g_Setup.files[i];
    fputs("  ", stdout);
    PrintUtf8(stdout, file.name);
    if (file.mask == kNoTypeBit) {
      fputs("  (no type)", stdout);
    } else {
      for (int t = 0; t < kMaxDataTypes; ++t) {
        if (file.mask == (TypeMask{1} << t)) {
          fputs("  ", stdout);
          PrintUtf8(stdout, g_Setup.types[t].name);
        }
      }
    }
    // The launcher rounds an odd size up by one byte. Show the real size too, because
    // that is the one the publisher knows.
    char path[kPathSize];
    uint64_t real = 0;
    if (ComposeSourcePath(file.name, path, sizeof path) && OsGetFileSize(path, &real) &&
        real != static_cast<uint64_t>(file.size)) {
      printf("  %llu bytes (counted as %ld)\n", static_cast<unsigned long long>(real),
             static_cast<long>(file.size));
    } else {
      printf("  %ld bytes\n", static_cast<long>(file.size));
    }
  }

  if (g_DiagnosticCount > 0) fputc('\n', stdout);
  for (int i = 0; i < g_DiagnosticCount; ++i) {
    const Diagnostic& d = g_Diagnostics[i];
    // Line 0 means a problem about the whole text (a total, the registry key path).
    if (d.line > 0) {
      printf("setup.ini:%d: ", d.line);
    } else {
      fputs("setup.ini: ", stdout);
    }
    printf("%s: ", d.severity == kSetupError ? "error" : "warning");
    PrintUtf8(stdout, d.message);
    fputc('\n', stdout);
  }
  if (g_DiagnosticCount == kMaxDiagnostics) printf("(further problems not shown)\n");
}
