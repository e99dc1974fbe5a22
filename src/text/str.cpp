#include "text/str.h"

#include "text/chars.h"

#include <string.h>

template <typename C>
C* StrCopyBounded(size_t n, C* dest, const C* src)
{
    const size_t length = StrLen(src);
    if (length >= n && IsSecondUnitAt(src, n - 1)) {
        --n;
    }
    for (size_t i = 0; i + 1 < n; ++i) {
        dest[i] = i < length ? src[i] : 0;
    }
    dest[n - 1] = 0;
    return dest;
}

template <typename C>
bool StrEqual(const C* a, const C* b)
{
    size_t i = 0;
    while (a[i] != 0 && a[i] == b[i]) {
        ++i;
    }
    return a[i] == b[i];
}

template <typename C>
static C FoldAscii(C c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<C>(c - 'a' + 'A') : c;
}

// A trail byte in the letter range is part of another character: ア (83 41)
// and ヂ (83 61) differ. While the strings match, both walk the same units.
template <typename C>
bool StrEqualNoCase(const C* a, const C* b)
{
    bool trail = false;
    for (size_t i = 0;; ++i) {
        const C x = a[i];
        const C y = b[i];
        if (trail ? x != y : FoldAscii(x) != FoldAscii(y)) {
            return false;
        }
        if (x == 0) {
            return true;
        }
        trail = !trail && StartsPair(x);
    }
}

template char* StrCopyBounded(size_t, char*, const char*);
template wchar_t* StrCopyBounded(size_t, wchar_t*, const wchar_t*);
template bool StrEqual(const char*, const char*);
template bool StrEqual(const wchar_t*, const wchar_t*);
template bool StrEqualNoCase(const char*, const char*);
template bool StrEqualNoCase(const wchar_t*, const wchar_t*);

template <typename C>
size_t CmdLineAppend(C* buf, size_t len, const C* text)
{
    const size_t textLen = StrLen(text);
    if (!buf) {
        return textLen;
    }
    if (len >= CMDLINE_BUFFER_SIZE) {
        return 0;
    }
    const size_t room = CMDLINE_BUFFER_SIZE - 1 - len;
    const size_t a = textLen < room ? textLen : room;
    for (size_t i = 0; i < CMDLINE_BUFFER_SIZE - len; ++i) {
        buf[len + i] = i < a ? text[i] : 0;
    }
    return a;
}

char* StrEnd(const char* s)
{
    return const_cast<char*>(s) + strlen(s);
}

template <typename C>
bool StrEndData(C* buffer, size_t size, size_t count)
{
    if (count < size) {
        buffer[count] = '\0';
        return true;
    }
    if (count == size && buffer[size - 1] == '\0') {
        return true;
    }
    buffer[0] = '\0';
    return false;
}

template <typename C>
size_t StrDropCutPair(C* s)
{
    size_t n = StrLen(s);
    if (n > 0 && StartsPair(s[n - 1]) && !IsSecondUnitAt(s, n - 1)) {
        s[--n] = 0;
    }
    return n;
}

template size_t CmdLineAppend(char*, size_t, const char*);
template size_t CmdLineAppend(wchar_t*, size_t, const wchar_t*);
template bool StrEndData(char*, size_t, size_t);
template bool StrEndData(wchar_t*, size_t, size_t);
template size_t StrDropCutPair(char*);
template size_t StrDropCutPair(wchar_t*);
