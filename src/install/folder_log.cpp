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
char* g_LogText;
size_t g_LogLength;
bool g_LogEnabled;
int g_LogCount;
}  // namespace

void BeginFolderLog() {
  ReleaseFolderLog();
  g_LogText = static_cast<char*>(OsAllocateZeroedBlock(kFolderLogBlockBytes));
  g_LogLength = 0;
  // Without a block the log stays disabled: nothing is written into a missing block.
  g_LogEnabled = g_LogText != nullptr;
  g_LogCount = 0;
}

void LogCreatedFolder(const char* folder) {
  if (!g_LogEnabled) return;
  size_t length = strlen(folder);
  // The entry, its line feed and the text's terminator must fit; one that does not is dropped.
  if (length + 2 > kFolderLogBlockBytes - g_LogLength) return;
  memcpy(g_LogText + g_LogLength, folder, length);
  g_LogText[g_LogLength + length] = '\n';
  g_LogText[g_LogLength + length + 1] = '\0';
  g_LogLength += length + 1;
  ++g_LogCount;
}

void WriteFolderLog() {
  if (!g_LogEnabled || g_LogCount == 0) return;
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, g_Setup.MD)) return;
  FILE* file = OsOpenFile(path, "wb+");
  if (file == nullptr) return;
  fwrite(g_LogText, 1, g_LogLength, file);
  fclose(file);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_LogText);
  g_LogText = nullptr;
  g_LogLength = 0;
  g_LogEnabled = false;
}
