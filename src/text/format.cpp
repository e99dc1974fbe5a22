#include <stdio.h>

#include "text/format.h"

// Formats into the n bytes of buf. Returns the count when the whole text fits
// in n - 1 characters, else -1; the text may be left unterminated either way.
// On Windows this is msvcrt's own formatter, which keeps mingw's larger printf
// out of the program. It is handed all n bytes, one more than the text may
// use: Wine's msvcrt returns the count instead of -1 when the buffer is already
// full as a %s or %c begins, and with the spare byte such a cut always shows as
// a count of n (or -1), never as a text that seems to fit.
static int FormatRaw(char* buf, size_t n, const char* format, va_list args)
{
#ifdef _WIN32
    const int r = _vsnprintf(buf, n, format, args);
#else
    const int r = vsnprintf(buf, n, format, args);
#endif
    return (r < 0 || static_cast<size_t>(r) >= n) ? -1 : r;
}

int StrFormatBoundedV(size_t n, char* buf, const char* format, va_list args)
{
    if (n == 0) {
        return -1;
    }
    const int r = FormatRaw(buf, n, format, args);
    if (r > 0 && static_cast<size_t>(r) < n) {
        buf[r] = '\0';
    } else {
        buf[n - 1] = '\0';
    }
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
