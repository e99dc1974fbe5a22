#include <stdio.h>

#include "text/str.h"

// Formats at most limit characters into buf. Returns the count, or a negative
// value when the text did not fit (buf then holds the first limit characters,
// not terminated). On Windows this is msvcrt's own formatter, which behaves so
// and keeps mingw's larger printf out of the program.
static int FormatRaw(char* buf, size_t limit, const char* format, va_list args)
{
#ifdef _WIN32
    return _vsnprintf(buf, limit, format, args);
#else
    const int r = vsnprintf(buf, limit + 1, format, args);
    return (r < 0 || static_cast<size_t>(r) > limit) ? -1 : r;
#endif
}

int StrFormatBoundedV(size_t n, char* buf, const char* format, va_list args)
{
    if (n == 0) return -1;
    const int r = FormatRaw(buf, n - 1, format, args);
    if (r > 0 && static_cast<size_t>(r) < n)
        buf[r] = '\0';
    else
        buf[n - 1] = '\0';
    return r >= 0 ? r : -1;
}

int StrFormatBounded(size_t n, char* buf, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int r = StrFormatBoundedV(n, buf, format, args);
    va_end(args);
    return r;
}
