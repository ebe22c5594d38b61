// Reading a created-folder log file back for the uninstaller and for the next install's
// merge. The file may have been edited or damaged: every entry is bounded and the count
// stops at the table's size. A file that is not a folder log at all (a save, a game file
// the MD setting happens to name) is not read, so that nothing ever replaces or deletes it.
#include <stdio.h>

#include "install/folder_log.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"
#include "text/path_text.h"

namespace {

// A line begins "X:\", "X:/" or "\\server": an absolute folder, never relative to whatever
// folder is current when the uninstaller runs. Slashes come from folders typed with them.
bool AbsoluteStart(const unsigned char* start, size_t length) {
  const char* text = reinterpret_cast<const char*>(start);
  bool separator = IsPathSeparator(text[2]);
  if (length < 3) return false;
  if (start[1] == ':') return HasDriveLetter(text) && separator;
  return start[0] == '\\' && start[1] == '\\' && !separator;
}

// Every byte of the file, in binary (text mode would end it at a 0x1A byte): no control
// byte but the line feed (a carriage return only right before one), every two-byte
// character whole, every non-empty line absolute. Lines go into the slots; a line longer
// than a slot goes on in the next one, cut between whole characters.
bool ReadLogLines(FILE* file, FolderLogEntries* entries) {
  unsigned char start[3] = {};
  size_t lineLength = 0;
  size_t used = 0;  // bytes in the current slot
  for (int c; (c = getc(file)) != EOF;) {
    if (c == '\r' && getc(file) != '\n') return false;
    if (c == '\r' || c == '\n') {
      if (lineLength > 0 && !AbsoluteStart(start, lineLength)) return false;
      if (entries->count < kFolderLogMaxEntries) ++entries->count;
      lineLength = used = 0;
      continue;
    }
    int trail = 0;
    if (c < 0x20 || (c >= 0x80 && (trail = getc(file)) < 0x40)) return false;
    if (lineLength < sizeof start) start[lineLength] = static_cast<unsigned char>(c);
    size_t size = trail != 0 ? 2 : 1;
    lineLength += size;
    if (used + size >= kFolderLogEntryBytes) {
      if (entries->count < kFolderLogMaxEntries) ++entries->count;
      used = 0;
    }
    if (entries->count == kFolderLogMaxEntries) continue;
    entries->slots[entries->count][used++] = static_cast<char>(c);
    if (trail != 0) entries->slots[entries->count][used++] = static_cast<char>(trail);
  }
  if (lineLength > 0 && entries->count < kFolderLogMaxEntries) ++entries->count;
  return !ferror(file) && (lineLength == 0 || AbsoluteStart(start, lineLength));
}

}  // namespace

bool ReadFolderLog(const char* path, FolderLogEntries* entries) {
  entries->count = 0;
  entries->slots = static_cast<char(*)[kFolderLogEntryBytes]>(
      OsAllocateZeroedBlock(kFolderLogMaxEntries * kFolderLogEntryBytes));
  FILE* file = entries->slots != nullptr ? OsOpenFile(path, "rb") : nullptr;
  bool read = file != nullptr && ReadLogLines(file, entries);
  if (file != nullptr) fclose(file);
  if (!read) ReleaseFolderLogEntries(entries);
  return read;
}

void ReleaseFolderLogEntries(FolderLogEntries* entries) {
  OsFreeBlock(entries->slots);
  entries->slots = nullptr;
  entries->count = 0;
}
