#include <stdio.h>

#include "text/format.h"

#include "text/chars.h"
#include "text/str.h"

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

template <typename C>
void StrFillBounded(size_t n, C* out, const C* format, const C* const* texts, size_t count)
{
    size_t used = 0;
    size_t next = 0;
    for (const C* f = format; *f != 0;) {
        if (f[0] == '%' && f[1] == 's') {
            const C* text = next < count ? texts[next++] : f + 2 + StrLen(f + 2);
            StrCopyBounded(n - used, out + used, text);
            const size_t copied = StrLen(out + used);
            used += copied;
            if (copied < StrLen(text)) {
                break;
            }
            f += 2;
            continue;
        }
        const size_t units = CharUnits(f);
        if (used + units >= n) {
            break;
        }
        for (size_t k = 0; k < units; ++k) {
            out[used++] = *f++;
        }
    }
    out[used] = 0;
}

template void StrFillBounded(size_t, wchar_t*, const wchar_t*, const wchar_t* const*, size_t);
