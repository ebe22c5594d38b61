// Lists a folder for the publisher's tool, which writes a first setup.ini from a game
// folder. Each entry comes with the code page 932 name the launcher would use, and with
// the system's own name, for messages about entries that have no such name.
#pragma once
#include <stddef.h>

#include "platform/file_system.h"

struct OsFolderEntry {
  // Code page 932. Empty if the system's name does not convert to code page 932 and back
  // to the same name, because the launcher would then look for a different file.
  char name[kFolderEntryNameSize];
  char shown[1024];  // the system's own name as UTF-8
  bool isFolder;
  bool isFile;  // a plain file; a device or other special entry is neither file nor folder
};

typedef bool (*OsFolderVisitor)(const OsFolderEntry* entry, void* context);

// Calls visit for each entry of folder (a code page 932 path) except "." and "..", until
// visit returns false. Returns false if the folder cannot be read.
bool OsListFolder(const char* folder, OsFolderVisitor visit, void* context);
