// Tests and case changes for ASCII letters. Windows ignores the case of ASCII letters in
// file, drive and registry key names. Callers pass only one-byte characters here: a byte
// inside a two-byte character must never change case.
#pragma once

bool IsAsciiLetter(char c);
char ToAsciiLower(char c);
char ToAsciiUpper(char c);
