// Reads a folder log file back, for the uninstaller and for the next install's merge. The
// file may have been edited or damaged, so every entry has a size limit and the count
// stops at the table's size. A file that is not a folder log at all (a save, or a game
// file the MD setting happens to name) is refused, so that nothing replaces or deletes it.
#include "install/folder_log_reader.h"

#include <stdio.h>
#include <string.h>

#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"

namespace {

// Whether a line starts with a drive letter and a colon ("X:\", "X:/", or "X:GAME", which
// tidying the install folder keeps) or with "\\server". A log line must never depend on
// the folder that is current when the uninstaller runs. Slashes come from folders the
// player typed with them.
bool AbsoluteStart(const unsigned char* start, size_t length) {
  const char* text = reinterpret_cast<const char*>(start);
  if (length >= 2 && HasDriveLetter(text)) return true;
  return length >= 3 && start[0] == '\\' && start[1] == '\\' && !IsPathSeparator(text[2]);
}

// Reads the whole file in binary mode (text mode would stop at a 0x1A byte) and returns
// false unless it looks like a folder log:
//  - no control byte except line feeds, and carriage returns just before a line feed;
//  - two-byte characters follow code page 932's own lead bytes, as the folders were split;
//  - every non-empty line is an absolute path.
// A line ends at its line feed even if a lead byte comes just before it; that lead byte,
// like one at the end of the file, counts alone. Each line goes into a slot; a line longer
// than a slot carries on in the next one, split between whole characters. With dropCut,
// a last line without a line feed is dropped, because a kill cut it short.
bool ReadLogLines(FILE* file, FolderLogEntries* entries, bool dropCut) {
  unsigned char start[3] = {};
  size_t lineLength = 0;
  size_t used = 0;   // bytes in the current slot
  int lineSlot = 0;  // the slot the current line began in
  for (int c; (c = getc(file)) != EOF;) {
    if (c == '\r' && getc(file) != '\n') return false;
    if (c == '\r' || c == '\n') {
      if (lineLength > 0 && !AbsoluteStart(start, lineLength)) return false;
      if (entries->count < kFolderLogMaxEntries) ++entries->count;
      lineLength = used = 0;
      lineSlot = entries->count;
      continue;
    }
    if (c < 0x20) return false;
    unsigned char bytes[2] = {static_cast<unsigned char>(c), 0};
    size_t size = 1;
    if (IsPathLeadByte(bytes[0])) {
      int trail = getc(file);
      if (trail == '\r' || trail == '\n') ungetc(trail, file);
      if (trail != '\r' && trail != '\n' && trail != EOF) {
        if (trail < 0x40) return false;
        bytes[1] = static_cast<unsigned char>(trail);
        size = 2;
      }
    }
    for (size_t k = 0; k < size && lineLength + k < sizeof start; ++k) {
      start[lineLength + k] = bytes[k];
    }
    lineLength += size;
    if (used + size >= kFolderLogEntryBytes) {
      if (entries->count < kFolderLogMaxEntries) ++entries->count;
      used = 0;
    }
    if (entries->count == kFolderLogMaxEntries) continue;
    for (size_t k = 0; k < size; ++k) entries->slots[entries->count][used++] = bytes[k];
  }
  if (ferror(file)) return false;
  if (lineLength > 0 && dropCut) {
    for (int i = lineSlot; i <= entries->count && i < kFolderLogMaxEntries; ++i) {
      memset(entries->slots[i], 0, kFolderLogEntryBytes);
    }
    entries->count = lineSlot;
    return true;
  }
  if (lineLength > 0 && entries->count < kFolderLogMaxEntries) ++entries->count;
  return lineLength == 0 || AbsoluteStart(start, lineLength);
}

bool ReadLog(const char* path, FolderLogEntries* entries, bool dropCut) {
  entries->count = 0;
  entries->slots = static_cast<char(*)[kFolderLogEntryBytes]>(
      OsAllocateZeroedBlock(kFolderLogMaxEntries * kFolderLogEntryBytes));
  FILE* file = entries->slots != nullptr ? OsOpenFile(path, "rb") : nullptr;
  bool read = file != nullptr && ReadLogLines(file, entries, dropCut);
  if (file != nullptr) fclose(file);
  if (!read) ReleaseFolderLogEntries(entries);
  return read;
}

}  // namespace

bool ReadFolderLog(const char* path, FolderLogEntries* entries) {
  return ReadLog(path, entries, false);
}

bool ReadTemporaryFolderLog(const char* path, FolderLogEntries* entries) {
  return ReadLog(path, entries, true);
}

void ReleaseFolderLogEntries(FolderLogEntries* entries) {
  OsFreeBlock(entries->slots);
  entries->slots = nullptr;
  entries->count = 0;
}
