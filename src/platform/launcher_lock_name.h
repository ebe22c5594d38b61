// The name of the lock that lets only one launcher at a time act on the record under a
// product key (the lock itself is in win32/gui_launcher_lock.h).
#pragma once
#include <stddef.h>

enum { kLauncherLockNameCapacity = 64 };

// Kernel object names are case-sensitive and cannot hold a backslash, so the key's ASCII
// letters are upper-cased (the registry ignores their case) and the bytes are hashed.
void FormLauncherLockName(const char* keyPath, char* out, size_t cap);
