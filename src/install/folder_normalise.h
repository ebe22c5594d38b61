// Tidies the install folder the player accepted.
#pragma once

// Rewrites g_InstallFolder: doubled backslashes become one, a trailing backslash goes,
// and a last part that looks like a file name (it has an extension) is dropped.
void NormaliseInstallFolder();
