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

// Whether Windows would read fileLine as another name: a component that ends with a dot
// or a blank ("." too), which Windows drops, or an empty one (two separators in a row, or
// one at the end).
bool IsWindowsAlias(const char* fileLine);

// CON, PRN, AUX, NUL, COM1-COM9 or LPT1-LPT9 in any case, with or without an extension
// and blanks before it, as Windows takes them wherever they stand in a path.
bool IsDeviceName(const char* component, size_t length);

// Whether the components of path (separated by backslashes or slashes) meet a rule.
bool AnyComponent(const char* path, bool (*rule)(const char* component, size_t length));
