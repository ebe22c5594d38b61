// Listing a folder for the publisher's tool, which writes a first setup.ini from a game
// folder: each entry under the code page 932 name the launcher would use, and under the
// system's own name for messages when it has no such name.
#pragma once
#include <stddef.h>

struct OsFolderEntry {
  // Code page 932; empty when the system's name has no code page 932 form that converts
  // back to the same name (the launcher would look for another file).
  char name[260];
  char shown[1024];  // the system's own name as UTF-8
  bool isFolder;
  bool isFile;  // a plain file; a device or other special entry is neither file nor folder
};

typedef bool (*OsFolderVisitor)(const OsFolderEntry* entry, void* context);

// Calls visit for each entry of folder (a code page 932 path) except "." and "..", until
// it returns false. false when the folder cannot be read.
bool OsListFolder(const char* folder, OsFolderVisitor visit, void* context);
