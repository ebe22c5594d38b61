// Type references: a leading part of a declared type's name names that type.
#pragma once

// Index of the first declared type whose name begins with reference, or -1 (reported).
int FindDataType(const char* reference);
