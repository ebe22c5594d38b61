// Tells whether one folder is the same as another, inside it, or one of its parents.
// Paths are compared the way the file system resolves names: by whole components, ASCII
// letters in either case, two-byte characters exactly. The uninstaller uses this so that
// an edited folder log cannot make it delete outside the game folder.
#pragma once

enum FolderRelation {
  kFolderUnrelated,
  kFolderSame,
  kFolderParent,  // folder is one of base's parent folders
  kFolderInside,  // folder lies inside base
};

// Both paths are code page 932. "\" and "/" separate components, and several in a row
// count as one, except at the start. The result is kFolderUnrelated if either path is
// empty, is a bare drive ("C:", which means that drive's current folder), or has a
// component of only dots and blanks ("..", ". "): the system would resolve such a name
// to some other place.
FolderRelation RelateFolders(const char* folder, const char* base);

// Like RelateFolders, where base is an install folder. An install folder recorded as a
// bare drive ("E:") is taken as that drive's root, because every path built from it
// ("E:\game.exe") is in the root.
FolderRelation RelateToInstallFolder(const char* folder, const char* installFolder);
