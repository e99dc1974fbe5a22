#pragma once
// Bounded, always-terminated printf over ANSI bytes.
#include <stdarg.h>
#include <stddef.h>

// printf into n bytes. Returns the count written, or -1 when the text was cut
// (or n is 0). The buffer is always terminated when n > 0. "%c" with 0 writes
// a real NUL and counts it.
int StrFormatBounded(size_t n, char* buf, const char* format, ...);
int StrFormatBoundedV(size_t n, char* buf, const char* format, va_list args);
