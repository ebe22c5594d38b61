// Folders no install may go into: the root of a drive, where an uninstall would sweep the
// whole drive's save files and listed names, and the Windows folder with all inside it.
#pragma once

// "X:" and "X:\" (any run of "\" or "/" after the colon).
bool IsDriveRoot(const char* folder);

// Also any folder with a component of dots and blanks only, which the system reads as
// another folder. folder is normalised as the install dialog leaves it; windowsFolder is the
// system's own (empty when unknown: then only drive roots are refused). Compared by whole
// components, ASCII letters without regard to case.
bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder);
