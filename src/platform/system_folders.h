// Refuses the folders no install may go into. They are found by what a path really opens,
// not by its text, so that a short name, a junction, a forward slash or a "\\?\" prefix
// cannot get around the check.
#pragma once

// Whether folder exists and is a drive's root, or folder or one of its existing parents is
// windowsFolder. windowsFolder is empty when unknown; then that check is skipped. A folder
// that cannot be judged (not a path the system can read, or too long) is refused.
bool IsRefusedExistingFolder(const char* folder, const char* windowsFolder);
