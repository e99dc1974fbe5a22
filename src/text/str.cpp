#include "text/str.h"

#include "text/mbcs.h"

#include <string.h>

char* StrCopyBounded(size_t n, char* dest, const char* src)
{
    if (MbcsByteClassAt(src, static_cast<unsigned>(n - 1)) == MBC_TRAIL) {
        --n;
    }
    strncpy(dest, src, n - 1);
    dest[n - 1] = '\0';
    return dest;
}

bool StrEqual(const char* a, const char* b)
{
    return strcmp(a, b) == 0;
}

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// A trail byte in the letter range is part of another character: ア (83 41)
// and ヂ (83 61) differ. While the strings match, both walk the same classes.
bool StrEqualNoCase(const char* a, const char* b)
{
    bool trail = false;
    for (size_t i = 0;; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (trail ? x != y : FoldAscii(x) != FoldAscii(y)) {
            return false;
        }
        if (x == 0) {
            return true;
        }
        trail = !trail && MbcsIsLeadByte(x);
    }
}

size_t CmdLineAppend(char* buf, size_t len, const char* text)
{
    const size_t textLen = strlen(text);
    if (!buf) {
        return textLen;
    }
    if (len >= CMDLINE_BUFFER_SIZE) {
        return 0;
    }
    const size_t room = CMDLINE_BUFFER_SIZE - 1 - len;
    const size_t a = textLen < room ? textLen : room;
    memcpy(buf + len, text, a);
    memset(buf + len + a, 0, CMDLINE_BUFFER_SIZE - (len + a));
    return a;
}

char* StrEnd(const char* s)
{
    return const_cast<char*>(s) + strlen(s);
}

bool StrEndData(char* buffer, size_t size, size_t count)
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
