// Whether a file line stays inside the game folder. The install copies to, and the
// uninstall deletes, the same relative path below the install folder; a rooted path or
// a parent step would reach outside it.
#pragma once

// false for a path that begins with a backslash or slash, begins with a drive letter
// and colon, or has a component of dots only ("..", "..."), which Windows resolves upward.
bool IsPathInsideGameFolder(const char* fileLine);
