// How one folder path stands to another, compared as the file system resolves names: by
// whole components, ASCII letters without regard to case, two-byte characters as they are.
// The uninstaller uses it to keep an edited log inside the game folder.
#pragma once

enum FolderRelation {
  kFolderUnrelated,
  kFolderSame,
  kFolderParent,  // folder is one of base's parent folders
  kFolderInside,  // folder lies inside base
};

// Both paths are code page 932. "\" and "/" separate components, and a run of them counts
// as one except at the start. An empty path, a bare drive ("C:", the drive's current
// folder), or a component of dots and blanks only ("..", ". ") relates to nothing: the
// system would resolve such a name somewhere else.
FolderRelation RelateFolders(const char* folder, const char* base);

// The same, where base is an install folder: one recorded as a bare drive ("E:") is that
// drive's root, as every path formed from it ("E:\game.exe") is.
FolderRelation RelateToInstallFolder(const char* folder, const char* installFolder);
