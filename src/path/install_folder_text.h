// Folders no install may go into: the root of a drive, where an uninstall would sweep the
// whole drive's save files and listed names, and the Windows folder with all inside it.
#pragma once

// "X:" and "X:\" (any run of "\" or "/" after the colon).
bool IsDriveRoot(const char* folder);

// Also any folder with a component that ends in a dot or a blank: Windows drops those, so
// the folder made is not the one typed ("C:\Windows.\Games", "C:\Games\.."). folder is
// normalised as the install dialog leaves it; windowsFolder is the system's own (empty when
// unknown: then only drive roots are refused). Compared by whole components, ASCII letters
// without regard to case: for folders that do not exist yet.
bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder);

// The same for what exists, by identity rather than by name, so that no short name,
// junction or prefix reaches them: folder is a drive's root, or it or a parent of it that
// exists is the Windows folder.
bool IsRefusedExistingFolder(const char* folder, const char* windowsFolder);
