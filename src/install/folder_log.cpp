// The in-memory created-folder log of one install and its file in the install folder.
#include "install/folder_log.h"

#include <stdio.h>
#include <string.h>

#include "install/install_selection.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {
char* g_logText;
size_t g_logLength;
bool g_logEnabled;
int g_logCount;
}  // namespace

void BeginFolderLog() {
  ReleaseFolderLog();
  g_logText = static_cast<char*>(OsAllocateZeroedBlock(kFolderLogBlockBytes));
  g_logLength = 0;
  // Without a block the log stays disabled: nothing is written into a missing block.
  g_logEnabled = g_logText != nullptr;
  g_logCount = 0;
}

void LogCreatedFolder(const char* folder) {
  if (!g_logEnabled) return;
  size_t length = strlen(folder);
  // The entry, its line feed and the text's terminator must fit; one that does not is dropped.
  if (length + 2 > kFolderLogBlockBytes - g_logLength) return;
  memcpy(g_logText + g_logLength, folder, length);
  g_logText[g_logLength + length] = '\n';
  g_logText[g_logLength + length + 1] = '\0';
  g_logLength += length + 1;
  ++g_logCount;
}

void WriteFolderLog() {
  if (!g_logEnabled || g_logCount == 0) return;
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, g_Setup.MD)) return;
  FILE* file = OsOpenFile(path, "wb+");
  if (file == nullptr) return;
  fwrite(g_logText, 1, g_logLength, file);
  fclose(file);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_logText);
  g_logText = nullptr;
  g_logLength = 0;
  g_logEnabled = false;
}
