// The launcher's version, for its version information. Raise it with every release.
#pragma once
#define LAUNCHER_VERSION_NUMBERS 1, 0, 0, 0
#define LAUNCHER_VERSION_TEXT "1.0.0"
