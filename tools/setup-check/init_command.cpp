// setup-check --init: finds the game folder and its disc root, refuses names the launcher
// could not use, and writes the draft. An existing setup.ini is either replaced whole or
// left untouched.
#include "init_command.h"

#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "init_draft.h"
#include "init_files.h"
#include "init_problems.h"
#include "init_writer.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/stdio_file.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"
#include "utf8_output.h"

namespace {

enum { kDraftTextCapacity = kMaxFileEntries * (kFileNameCapacity + 2) + 8192 };
char g_DraftText[kDraftTextCapacity];

int Refused(const char* message, const char* name) {
  char text[1024];
  FormatText(text, sizeof text, message, name);
  PrintDraftProblem("error", text);
  return 1;
}

// The name of the current folder (its last component). Returns false for a root.
bool TakeFolderName(char* name, size_t cap) {
  char path[kPathSize];
  if (!OsGetCurrentFolder(path, sizeof path)) return false;
  const char* last = path;
  for (const char* p = path; *p != '\0'; p += PathCharLength(p)) {
    if (IsPathSeparator(*p) && p[1] != '\0') last = p + 1;
  }
  CopyText(name, cap, last);
  RemoveTrailingBackslash(name);
  return name[0] != '\0' && strcmp(name, "/") != 0 && strchr(name, ':') == nullptr &&
         strlen(last) < cap;
}

bool WriteFile(const char* path, const char* bytes, size_t length) {
  FILE* file = OsOpenFile(path, "wb");
  if (file == nullptr) return false;
  bool written = fwrite(bytes, 1, length, file) == length;
  return fclose(file) == 0 && written;
}

}  // namespace

int WriteSetupDraft(const char* gameFolder, bool force) {
  // Like DISC_ROOT, the folder may be given as a code page 932 name or in this system's
  // own encoding.
  if (!OsSetCurrentFolder(gameFolder) && chdir(gameFolder) != 0) {
    fprintf(stderr, "setup-check --init: error: cannot enter the game folder %s\n", gameFolder);
    return 2;
  }
  if (!TakeFolderName(g_Draft.folder, sizeof g_Draft.folder)) {
    PrintDraftProblem("error",
                      "the game folder must be a folder below the disc root, and its path must "
                      "have a code page 932 form of at most 255 bytes for its name");
    return 1;
  }
  uint32_t attributes = 0;
  if (!OsSetCurrentFolder("..") || !IsFolder(g_Draft.folder)) {
    return Refused(
        "\"%s\": the game folder's name has no code page 932 form that gives the "
        "same name back",
        g_Draft.folder);
  }
  if (!force && OsGetFileAttributes("setup.ini", &attributes)) {
    return Refused("%s exists already in the disc root; --force replaces it", "setup.ini");
  }
  CollectDraftFiles();
  if (g_Draft.errorCount > 0) return Refused("%s: no setup.ini written", "the names above");
  if (g_Draft.foundCount == 0)
    return Refused("\"%s\" holds no file: no setup.ini written", g_Draft.folder);
  if (g_Draft.foundCount > kMaxFileEntries) {
    char message[256];
    FormatText(message, sizeof message, "\"%%s\" holds %d files; the launcher lists at most %d",
               g_Draft.foundCount, static_cast<int>(kMaxFileEntries));
    return Refused(message, g_Draft.folder);
  }
  size_t length = 0;
  if (!ComposeDraft(g_DraftText, sizeof g_DraftText, &length)) {
    return Refused("%s: no setup.ini written", "the game folder's name");
  }
  char temporary[kPathSize];
  if (!OsCreateTemporaryFile(".", temporary, sizeof temporary)) {
    return Refused("the disc root is not writable: no %s written", "setup.ini");
  }
  if (!WriteFile(temporary, g_DraftText, length) || !OsMoveFileReplacing(temporary, "setup.ini")) {
    OsDeleteFile(temporary);
    return Refused("%s could not be written whole; nothing was replaced", "setup.ini");
  }
  fprintf(stderr, "setup-check --init: wrote setup.ini with %d files\n", g_Draft.fileCount);
  return 0;
}
