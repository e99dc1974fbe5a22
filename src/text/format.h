#pragma once
// Bounded, always-terminated printf over ANSI bytes.
#include <stdarg.h>
#include <stddef.h>

// printf into n bytes. Returns the count written, or -1 when the text was cut
// (or n is 0). The buffer is always terminated when n > 0. "%c" with 0 writes
// a real NUL and counts it.
int StrFormatBounded(size_t n, char* buf, const char* format, ...);
int StrFormatBoundedV(size_t n, char* buf, const char* format, va_list args);

// Fills each "%s" of format in turn with the next of count texts, into n
// units (n >= 1), always terminated; what does not fit is cut between
// characters. For texts whose arguments must not pass through a printf:
// UTF-16 paths, which no printf here reads the same way on every runtime.
template <typename C>
void StrFillBounded(size_t n, C* out, const C* format, const C* const* texts, size_t count);
