// ASCII letters in either case. Windows compares file, drive and key names with ASCII
// letters folded; a byte of a two-byte character is never to be folded, so callers fold
// single-byte characters only.
#pragma once

bool IsAsciiLetter(char c);
char ToAsciiLower(char c);
char ToAsciiUpper(char c);
