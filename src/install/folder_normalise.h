// Tidying the install folder text the user accepted.
#pragma once

// Rewrites g_InstallFolder: single backslashes, no trailing one, and a last part that
// looks like a file name (it has an extension) dropped.
void NormaliseInstallFolder();
