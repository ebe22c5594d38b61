// Resolves type references: the start of a declared type's name stands for that type.
#pragma once

// Returns the index of the first declared type whose name begins with reference. When
// none does, reports the problem and returns -1.
int FindDataType(const char* reference);
