// Tidies the install folder the player accepted.
#pragma once

// Rewrites g_InstallFolder: doubled backslashes become one, a trailing backslash goes,
// and a last part that looks like a file name (it has an extension) is dropped. A folder
// relative to a drive's or the launcher's current folder ("D:GAME") becomes the full path
// it stands for, so that the questions, the record and the log all name the folder made.
// Returns false, with g_InstallFolder unchanged, if the result did not fit or could not be
// made full.
bool NormaliseInstallFolder();
