// Copies and formats text into fixed-size buffers. Nothing is written past cap bytes,
// counting the terminator. A text that does not fit is cut at a whole character and the
// function returns false, so that callers can refuse a cut path instead of using it.
#pragma once
#include <stdarg.h>
#include <stddef.h>

// Copies src into dst. Returns false if src was cut.
bool CopyText(char* dst, size_t cap, const char* src);

// Appends src to dst. Returns false if src was cut.
bool AppendText(char* dst, size_t cap, const char* src);

// The same, for at most the first length bytes of src.
bool CopyTextPart(char* dst, size_t cap, const char* src, size_t length);
bool AppendTextPart(char* dst, size_t cap, const char* src, size_t length);

// Formats into dst with a small part of printf: %s, %c, %d, %u, %x and %%, with an
// optional width that may be zero-padded (%02u). Returns false if the result was cut. The
// compiler checks literal formats against their arguments.
bool FormatText(char* dst, size_t cap, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool FormatTextV(char* dst, size_t cap, const char* format, va_list args)
    __attribute__((format(printf, 3, 0)));
