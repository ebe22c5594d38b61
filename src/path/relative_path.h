// Whether a name from setup.ini stays inside the game folder. The install copies to, and
// the uninstall deletes, the same relative path below the install folder; a rooted path,
// a drive or a parent step would reach outside it, and a device name or a named stream
// would reach something that is no file of the game.
#pragma once
#include <stddef.h>

// false for a path that begins with a backslash or slash, begins with a drive letter
// and colon, or has a component of dots only ("..", "..."), which Windows resolves upward.
bool IsPathInsideGameFolder(const char* fileLine);

// IsPathInsideGameFolder, and a name Windows can use as a file: no component that is a
// device name, none of : * ? " < > | and no control byte.
bool IsUsableFileLine(const char* fileLine);
