// Reading a created-folder log file back for the uninstaller and for the next install's
// merge. The file may have been edited or damaged: every entry is bounded and the count
// stops at the table's size. A file that is not a folder log at all (a save, a game file
// the MD setting happens to name) is not read, so that nothing ever replaces or deletes it.
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

bool IsDriveLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsSeparatorByte(int c) { return c == '\\' || c == '/'; }
bool IsSingleByte(int c) { return (c >= 0x20 && c <= 0x7F) || (c >= 0xA1 && c <= 0xDF); }
bool IsLeadByteOf932(int c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrailByteOf932(int c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// A line begins "X:\", "X:/" or "\\server": an absolute folder, never relative to whatever
// folder is current when the uninstaller runs. Slashes come from folders typed with them.
bool AbsoluteStart(const unsigned char* start, size_t length) {
  if (length < 3) return false;
  if (IsDriveLetter(start[0]) && start[1] == ':') return IsSeparatorByte(start[2]);
  return start[0] == '\\' && start[1] == '\\' && !IsSeparatorByte(start[2]);
}

// Every byte of the file, in binary: whole code page 932 characters, no control byte but the
// line feed (a carriage return only right before one), every non-empty line absolute.
bool IsFolderLogFile(FILE* file) {
  unsigned char start[3];
  size_t lineLength = 0;
  int c;
  while ((c = getc(file)) != EOF) {
    if (c == '\r') {
      if (getc(file) != '\n') return false;
      c = '\n';
    }
    if (c == '\n') {
      if (lineLength > 0 && !AbsoluteStart(start, lineLength)) return false;
      lineLength = 0;
      continue;
    }
    if (IsLeadByteOf932(c)) {
      int trail = getc(file);
      if (trail == EOF || !IsTrailByteOf932(trail)) return false;
      if (lineLength < sizeof start) start[lineLength] = static_cast<unsigned char>(c);
      if (lineLength + 1 < sizeof start) start[lineLength + 1] = static_cast<unsigned char>(trail);
      lineLength += 2;
      continue;
    }
    if (!IsSingleByte(c)) return false;
    if (lineLength < sizeof start) start[lineLength] = static_cast<unsigned char>(c);
    ++lineLength;
  }
  if (ferror(file)) return false;
  return lineLength == 0 || AbsoluteStart(start, lineLength);
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
  // Binary: in text mode the runtime would end the file at a 0x1A byte and hide it.
  FILE* file = OsOpenFile(path, "rb");
  if (file == nullptr) {
    OsFreeBlock(table);
    return false;
  }
  if (!IsFolderLogFile(file) || fseek(file, 0, SEEK_SET) != 0) {
    fclose(file);
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
