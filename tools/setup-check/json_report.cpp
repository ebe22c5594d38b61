// Prints the JSON report, for scripts that check a disc before it is pressed.
#include "json_report.h"

#include <stdio.h>

#include "diagnostics.h"
#include "disc_check.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_keywords.h"
#include "utf8_output.h"

namespace {

void PrintMember(const char* name, const char* value, bool last = false) {
  printf("    \"%s\": ", name);
  PrintJsonString(stdout, value);
  fputs(last ? "\n" : ",\n", stdout);
}

void PrintSettings() {
  fputs("  \"settings\": {\n", stdout);
  for (int i = 0; i < kSettingKeywordCount; ++i) {
    PrintMember(kSetupKeywords[i].name, kSetupKeywords[i].setting, i == kSettingKeywordCount - 1);
  }
  fputs("  },\n  \"product_key_path\": ", stdout);
  PrintJsonString(stdout, g_Setup.ProductKeyPath);
  fputs(",\n  \"source_folder\": ", stdout);
  PrintJsonString(stdout, g_Setup.SourceFolder);
  fputs(",\n  \"disc\": ", stdout);
  if (!g_DiscDrive.isDriveRoot) {
    fputs("null,\n", stdout);
    return;
  }
  fputs("{\"root\": ", stdout);
  PrintJsonString(stdout, g_DiscDrive.root);
  printf(", \"type\": \"%s\", \"label\": ", DriveTypeName(g_DiscDrive.type));
  PrintJsonString(stdout, g_DiscDrive.label);
  printf(", \"found\": %s},\n", g_DiscDrive.found ? "true" : "false");
}

void PrintTypes() {
  fputs("  \"types\": [", stdout);
  for (int i = 0; i < g_Setup.typeCount && i < kMaxDataTypes; ++i) {
    printf("%s\n    {\"index\": %d, \"name\": ", i == 0 ? "" : ",", i);
    PrintJsonString(stdout, g_Setup.types[i].name);
    printf(", \"size\": %ld}", static_cast<long>(g_Setup.types[i].size));
  }
  fputs(g_Setup.typeCount > 0 ? "\n  ],\n" : "],\n", stdout);
}

void PrintSets() {
  fputs("  \"sets\": [", stdout);
  for (int s = 0; s < kTypeSetCount; ++s) {
    const TypeSet& set = g_Setup.sets[s];
    printf("%s\n    {\"name\": \"%s\", \"entries\": [", s == 0 ? "" : ",", kTypeSetNames[s]);
    for (int e = 0; e < set.count && e < kMaxSetEntries; ++e) {
      printf("%s%d", e == 0 ? "" : ", ", set.entries[e]);
    }
    printf("], \"mask\": %lu, \"size\": %ld}", static_cast<unsigned long>(set.mask),
           static_cast<long>(set.size));
  }
  fputs("\n  ],\n", stdout);
}

void PrintFiles() {
  fputs("  \"files\": [", stdout);
  for (int32_t i = 0; i < g_Setup.fileCount && i < kMaxFileEntries; ++i) {
    const FileEntry& file = g_Setup.files[i];
    printf("%s\n    {\"name\": ", i == 0 ? "" : ",");
    PrintJsonString(stdout, file.name);
    printf(", \"mask\": %lu, \"size\": %ld}", static_cast<unsigned long>(file.mask),
           static_cast<long>(file.size));
  }
  fputs(g_Setup.fileCount > 0 ? "\n  ],\n" : "],\n", stdout);
}

void PrintDiagnostics() {
  fputs("  \"diagnostics\": [", stdout);
  for (int i = 0; i < g_DiagnosticCount; ++i) {
    const Diagnostic& d = g_Diagnostics[i];
    printf("%s\n    {\"line\": %d, \"severity\": \"%s\", \"message\": ", i == 0 ? "" : ",", d.line,
           d.severity == kSetupError ? "error" : "warning");
    PrintJsonString(stdout, d.message);
    if (d.rule != nullptr) printf(", \"rule\": \"%s\"", d.rule);
    fputc('}', stdout);
  }
  fputs(g_DiagnosticCount > 0 ? "\n  ]\n" : "]\n", stdout);
}

}  // namespace

void PrintJsonReport() {
  fputs("{\n", stdout);
  PrintSettings();
  PrintTypes();
  PrintSets();
  PrintFiles();
  PrintDiagnostics();
  fputs("}\n", stdout);
}
