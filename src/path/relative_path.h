// Checks that a file name from setup.ini stays inside the game folder. The install copies
// to that relative path below the install folder, and the uninstall deletes it there. A
// path that starts with a separator or a drive, or steps up with "..", would reach outside
// the folder; a device name or a named stream would reach something that is not a game
// file.
#pragma once
#include <stddef.h>

// Returns false if the path starts with a backslash or slash, starts with a drive letter
// and colon, or has a component of only dots ("..", "..."), which Windows resolves upward.
bool IsPathInsideGameFolder(const char* fileLine);

// Like IsPathInsideGameFolder, but also requires a name Windows can use for a file: no
// component that is a device name, none of : * ? " < > |, and no control bytes.
bool IsUsableFileLine(const char* fileLine);
