// Reading a created-folder log file back for the uninstaller. The file may have been
// edited or damaged: every entry is bounded and the count stops at the table's size.
#include <stdio.h>
#include <string.h>

#include "install/folder_log.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"
#include "text/sjis.h"

namespace {

// A line cut at the buffer's end keeps whole characters: a lead byte left alone at the
// cut goes back to the stream and starts the next entry.
void KeepWholeCharacters(char* line, FILE* file) {
  size_t length = strlen(line);
  if (length == 0 || line[length - 1] == '\n') return;
  if (length > 1 && EndsInHalfCharacter(line) &&
      ungetc(static_cast<unsigned char>(line[length - 1]), file) != EOF) {
    line[length - 1] = '\0';
  }
}

void RemoveLineEnd(char* text) {
  size_t length = strlen(text);
  for (int i = 0; i < 2 && length > 0; ++i) {
    if (text[length - 1] != '\n' && text[length - 1] != '\r') break;
    text[--length] = '\0';
  }
}

}  // namespace

bool ReadFolderLog(const char* path, FolderLogEntries* entries) {
  entries->slots = nullptr;
  entries->count = 0;
  void* table = OsAllocateZeroedBlock(kFolderLogMaxEntries * kFolderLogEntryBytes);
  if (table == nullptr) return false;
  FILE* file = OsOpenFile(path, "rt");
  if (file == nullptr) {
    OsFreeBlock(table);
    return false;
  }
  entries->slots = static_cast<char(*)[kFolderLogEntryBytes]>(table);
  while (entries->count < kFolderLogMaxEntries) {
    char* slot = entries->slots[entries->count];
    if (fgets(slot, kFolderLogEntryBytes, file) == nullptr) break;
    KeepWholeCharacters(slot, file);
    RemoveLineEnd(slot);
    ++entries->count;
  }
  fclose(file);
  return true;
}

void ReleaseFolderLogEntries(FolderLogEntries* entries) {
  OsFreeBlock(entries->slots);
  entries->slots = nullptr;
  entries->count = 0;
}
