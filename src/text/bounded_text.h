// Copying and formatting into fixed buffers. Nothing is ever written past cap bytes
// (terminator included); a text that does not fit is cut at a whole character, and the
// result says so, so that callers can refuse a cut path instead of using it.
#pragma once
#include <stdarg.h>
#include <stddef.h>

// dst := src. Returns false when src was cut.
bool CopyText(char* dst, size_t cap, const char* src);

// dst := dst + src. Returns false when src was cut.
bool AppendText(char* dst, size_t cap, const char* src);

// The same for the first length bytes of src (fewer when it ends before).
bool CopyTextPart(char* dst, size_t cap, const char* src, size_t length);
bool AppendTextPart(char* dst, size_t cap, const char* src, size_t length);

// A printf subset into dst: %s, %c, %d, %u, %x, %%, with an optional zero-padded
// width (%02u). Returns false when the result was cut. The compiler checks literal formats.
bool FormatText(char* dst, size_t cap, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool FormatTextV(char* dst, size_t cap, const char* format, va_list args)
    __attribute__((format(printf, 3, 0)));
